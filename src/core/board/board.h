// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <array>

// What the main window shows around the grid.
enum class GamePhase {
    Idle,    // before the first new game: no play picture, no game-over label
    Running, // play picture shown over the help and about commands
    Over,    // game-over label shown, play picture gone
};

// One countdown cell. Its countdown lives in the caption: there is no other counter.
struct Cell {
    // What a cell shows when its countdown starts, and once it is dead.
    static constexpr QLatin1String FullCaption{"10"};
    static constexpr QLatin1String DeadCaption{"X"};

    float interval = 0.0f;        // speed in ms, 50 less per accepted click
    QString caption{FullCaption}; // "10" … "1", or "X" once dead
    bool enabled = false;         // the button takes clicks
    qint32 timerInterval = 1000;  // the timer's period in ms
    bool timerEnabled = false;    // the timer runs
};

// Why a running game is held, each reason standing over those before it.
enum class Pause {
    None,
    Menu,   // the menu is open: it holds until the menu closes
    Away,   // the player left the game for another program: it holds until the player is back
    Player, // the player paused it: it holds until the player goes on
};

enum class ClickOutcome {
    Ignored, // same cell as the last accepted click, or the game paused: nothing changed
    Scored,  // the cell starts again from "10", faster, and 10 points were added
    Killed,  // the period was used up: the cell shows "X", no points
};

struct ClickResult {
    ClickOutcome outcome;
    bool gameOver; // this click killed the last live cell
};

// The whole game: nine cells, the score and the memory of the last accepted click, with the
// rules for a new game, a click and a tick. It has no window code; the main window calls the
// rules and shows the state they leave.
class Board {
public:
    static constexpr int CellCount = 9;
    static constexpr float StartInterval = 1000.0f;
    static constexpr float IntervalStep = 50.0f;
    static constexpr float PointsPerClick = 10.0f;
    // 9 cells × 19 scoring clicks × 10 points: the 20th accepted click on a cell kills it.
    static constexpr int MaxScore = 1710;

    // Resets every cell, live or dead, and the score, and goes on from any pause; the click
    // memory stays.
    void newGame();
    // A click on cell `index`. Ignored when the same cell took the previous accepted click, and
    // while the game is paused.
    ClickResult click(qint16 index);
    // A tick of cell `index`'s timer. Returns true when this tick ended the game. A paused
    // game's countdowns hold: its ticks change nothing.
    bool tick(qint16 index);

    // Holds a running game, unless it is held for a reason that stands over `reason`. Before
    // the first game and after game over there is nothing to hold.
    void pause(Pause reason);
    // Goes on: the player's word ends any pause; coming back or the menu's closing ends only the
    // pause that leaving or the menu began.
    void resume(Pause reason);
    // The player's pause command: holds a running game, or turns the menu's hold into the
    // player's own pause; goes on from any other pause.
    void togglePause();

    // The score line: the score prefix followed by the score.
    QString scoreText() const;

    const Cell &cell(int index) const;
    float score() const { return m_score; }
    GamePhase phase() const { return m_phase; }
    Pause pauseReason() const { return m_pause; }
    bool isPaused() const { return m_pause != Pause::None; }

private:
    Cell &checkedCell(int index);
    static void kill(Cell &cell);
    bool noCellLive() const;

    std::array<Cell, CellCount> m_cells{};
    float m_score = 0.0f;
    quint8 m_lastClicked = 0; // index + 1 of the cell of the last accepted click; 0 before any
    GamePhase m_phase = GamePhase::Idle;
    Pause m_pause = Pause::None;
};
