// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "scores/scorekeeper.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class RecordPlot;
class ScoreRow;

namespace toolkit {
class Desktop;
class Label;
class StrayKeys;
} // namespace toolkit

// The score window: the five best results. At a game over that made the table it opens with
// that game's row marked, a line that says its score and place, and its name ready to change;
// opened otherwise, it shows the table and its name box stays disabled. Modeless: the game goes
// on while it is open. Its close command turns red under the pointer, and white again at each
// opening and when the pointer moves over the window's bare surface, not over another control;
// a click on it closes the window.
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
    // the name box, selected. Keys that come while the player may still be playing type
    // nothing. Enter or the save button renames the row, as often as the player likes.
    void offer(const ScoreEntry &entry);
    // Whether the window offers a row to name.
    bool isNaming() const { return m_naming.has_value(); }

    // However the window closes, by its close command or box, Escape, a new game or the end of
    // the program, the name in the box is the row's name; a blank one leaves the name stored.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    // The pointer over the bare window, not over a control.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void saveName();
    void dropACutCharacter();
    // The name in the box, cleaned; empty where the box holds no name.
    QString typedName() const;
    // Gives the row being named `name`, in the file and in the box.
    void rename(const QString &name);
    void lightCloseCommand();
    void showAnswer(const ScoreKeeper::Answer &answer);
    // The table, and the record of every game under it.
    void showTable(const ScoreKeeper::Answer &answer);
    void showNameBox();
    void say(const QString &message);
    // Places the lines under the name box and makes the window high enough for them.
    void fitLines();

    toolkit::Desktop &m_desktop;
    ScoreKeeper &m_keeper;
    std::optional<ScoreEntry> m_naming; // the row this opening stored, until it closes
    // What the message line says; an answer that comes while the window is closed leaves it
    // for the next opening, and closing the window drops it.
    QString m_message;
    int m_designHeight = 0;
    toolkit::StrayKeys *m_strayKeys;

    std::array<ScoreRow *, Rows> m_rows{};
    toolkit::Label *m_resultLine = nullptr;
    toolkit::Label *m_messageLine = nullptr;
    toolkit::Label *m_recordLine = nullptr;
    RecordPlot *m_recordPlot = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QPushButton *m_saveNameButton = nullptr;
    toolkit::Label *m_closeCommand = nullptr;
};
