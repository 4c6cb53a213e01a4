// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "scores/scorekeeper.h"

#include <QDateTime>
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

// The score window: the five best results, and a box for the name of a player whose game
// has just made the table. Modeless: the game goes on while it is open. Its close label turns
// red under the pointer, white off it, and closes the window when clicked.
class ScoreWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int Rows = 5;

    // The table comes from `keeper`: the window shows each of its answers as it comes, and
    // never waits for one.
    ScoreWindow(toolkit::Desktop &desktop, ScoreKeeper &keeper, QWidget *parent);

    // Opens the window as the design has it, or brings it to the front as it is.
    void present();
    // A game that ended with `score` at `achieved` made the table: opens the window with the
    // name box ready. The offer holds until the name is stored, a new game starts, or the
    // window closes.
    void offer(int score, const QDateTime &achieved);
    void withdrawOffer();

    // Closing the window, by its close box, its close label or Escape, drops what it holds.
    void done(int result) override;

protected:
    // The pointer over the bare window, not over a control.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct Offer {
        int score;
        QDateTime achieved;
    };

    void store();
    void lightCloseLabel();
    void showAnswer(const ScoreKeeper::Answer &answer);
    void showTable(const ScoreTable &table);
    bool isStored(const ScoreEntry &entry) const;
    void prepareNameBox(const QString &lastName);
    void say(const QString &message);

    toolkit::Desktop &m_desktop;
    ScoreKeeper &m_keeper;
    std::optional<Offer> m_offer;
    std::optional<ScoreEntry> m_stored; // the result this window stored, until it closes
    // What the message line says; an answer that comes while the window is closed leaves it
    // for the next opening, and closing the window drops it.
    QString m_message;

    std::array<ScoreRow *, Rows> m_rows{};
    toolkit::Label *m_messageLine = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QPushButton *m_confirmButton = nullptr;
    toolkit::Label *m_closeLabel = nullptr;
};
