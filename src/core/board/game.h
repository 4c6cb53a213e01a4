// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "board/boundary.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>

class QTimer;
class TitleTyping;

// A game in time: the board's rules, the nine cells' countdown timers ("cellTimer0" to
// "cellTimer8"), the pause that holds what is left of each period and gives it back to the
// millisecond, the time played, and the title, typed out at the start and at each new game. Its
// owner hands it clicks and the reasons to hold the game, and shows what its signals say.
class Game : public QObject {
    Q_OBJECT

public:
    // The timers' ticks run inside `boundary`.
    explicit Game(Boundary boundary, QObject *parent = nullptr);

    void newGame();
    void click(int index);
    void pause(Pause reason);
    void resume(Pause reason);
    void togglePause();

    const Board &board() const { return m_board; }
    // How long the current or last game has been played, its pauses left out, in ms; it stands
    // still from game over on.
    qint64 playedTime() const;

Q_SIGNALS:
    void cellChanged(int index);
    void scoreChanged();
    // The pause began, ended or changed its reason.
    void pauseChanged();
    void gameOver();
    void titleChanged(const QString &title);
    // Nothing of the game moves from here until the player acts: no game runs, or it is held,
    // and the title is typed out.
    void stilled();

private:
    void tick(int index);
    // Runs cell `index`'s timer as the board says; `restartPeriod` starts its period afresh, as
    // after a new game or an accepted click, which put the countdown back to "10".
    void runTimer(int index, bool restartPeriod);
    // Stops or starts the countdowns and the clock of the time played as the board's pause says.
    void followPause();
    void hold();
    void release();
    void stopClock();
    bool isStill() const;

    Boundary m_boundary;
    Board m_board;
    Pause m_pause = Pause::None; // what the timers were last set for
    std::array<QTimer *, Board::CellCount> m_timers{};
    std::array<int, Board::CellCount> m_restOfPeriod{};
    TitleTyping *m_title;
    qint64 m_playedNs = 0;
    QElapsedTimer m_clock; // valid while the game runs and is not held
};
