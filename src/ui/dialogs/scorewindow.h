// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "scores/scorekeeper.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class ScoreRow;

namespace toolkit {
class Desktop;
class Label;
} // namespace toolkit

// The score window: the five best results. At a game over that made the table it opens with
// that game's row marked and its name ready to change; opened otherwise, it shows the table and
// its name box stays disabled. Modeless: the game goes on while it is open. Its close label
// turns red under the pointer, white off it, and closes the window when clicked.
class ScoreWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int Rows = 5;

    // The table comes from `keeper`: the window shows each of its answers as it comes, and
    // never waits for one.
    ScoreWindow(toolkit::Desktop &desktop, ScoreKeeper &keeper, QWidget *parent);

    // Opens the window to show the table, or brings it to the front as it is.
    void present();
    // A finished game stored as `entry`: opens the window with its row marked and its name in
    // the name box, selected; Enter or OK renames the row, as often as the player likes, until
    // the window closes.
    void offer(const ScoreEntry &entry);

    // Closing the window, by its close box, its close label or Escape, ends the naming; the
    // row keeps the name it has.
    void done(int result) override;

protected:
    // The pointer over the bare window, not over a control.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void rename();
    void lightCloseLabel();
    void showAnswer(const ScoreKeeper::Answer &answer);
    void showTable(const ScoreTable &table);
    void showNameBox();
    void say(const QString &message);

    toolkit::Desktop &m_desktop;
    ScoreKeeper &m_keeper;
    std::optional<ScoreEntry> m_naming; // the row this opening stored, until it closes
    // What the message line says; an answer that comes while the window is closed leaves it
    // for the next opening, and closing the window drops it.
    QString m_message;
    int m_designHeight = 0;

    std::array<ScoreRow *, Rows> m_rows{};
    toolkit::Label *m_messageLine = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QPushButton *m_confirmButton = nullptr;
    toolkit::Label *m_closeLabel = nullptr;
};
