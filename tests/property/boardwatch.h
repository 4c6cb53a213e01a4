// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "../support/probes.h"
#include "board/board.h"
#include "board/ruleerror.h"

#include <QString>

#include <array>
#include <optional>

// Follows a Board step by step with a second account of its rules, kept in whole numbers, and
// checks after every step that the two agree and that the board's invariants hold.
//
// Some invariants rest on the window: it delivers clicks only from enabled buttons and ticks
// only from running timers, and the rules do not look at either flag. Events the window would
// never deliver are allowed here too; they relax exactly the invariants that rest on the
// window, for the rest of that game:
// - a click on a disabled cell still lowers its interval and, while that stays above 0, puts
//   "10" back on it, gives its stopped timer that period and scores: a dead cell may then show a
//   number, its interval does not keep its value, and before the first new game it dies ("X",
//   interval -50);
// - a tick of a stopped timer still counts the caption down, and ends the game whenever no cell
//   is live, so the game may end more than once, or before it began.
// What the rules keep on their own always holds: both flags equal, a live cell on the 50 ms
// ladder with its timer period equal to it and a caption from "1" to "10", the score a multiple
// of 10 from 0 to 1710, and a game only ends when no cell lives.
class BoardWatch {
public:
    // What the steps so far have covered; a long run should reach every kind.
    struct Tally {
        qint64 steps = 0;
        qint64 newGames = 0;
        qint64 scored = 0;
        qint64 ignored = 0;
        qint64 killedByClick = 0;
        qint64 ticks = 0;
        qint64 killedByTick = 0;
        qint64 gameOversByTick = 0;
        qint64 gameOversByClick = 0;
        qint64 undeliveredClicks = 0;
        qint64 undeliveredScores = 0; // points scored by a cell that was not live
        qint64 undeliveredTicks = 0;
        qint64 repeatedGameOvers = 0; // a game that ended again, through undelivered ticks
        qint64 errors = 0;
        std::array<qint64, 4> errorsByKind{}; // indexed by RuleError::Kind
        qint64 fullScores = 0;                // games that reached 1710
        int bestScore = 0;
        int fastestPeriod = 1000; // the shortest period a live cell held
    };

    // Starts following a new board, as created; the tally goes on.
    void freshBoard();

    // Performs the step on `board`, then checks it; returns the first problem, or an empty text.
    QString newGame(Board &board);
    QString click(Board &board, int index);
    QString tick(Board &board, int index);

    // The same checks for a board that someone else (the window) has just stepped.
    QString sawNewGame(const Board &board);
    QString sawClick(const Board &board, int index);
    QString sawTick(const Board &board, int index);

    // Checks the board against the account without a step: nothing may have changed it.
    QString check(const Board &board) const { return afterStep(board); }

    // Whether the window would deliver a click on cell `index`, or a tick of its timer, to the
    // board as it is now: whether the cell is live.
    bool wouldDeliverClick(int index) const;

    const Tally &tally() const { return m_tally; }
    // Every field of `board`, for failure reports.
    static QString describe(const Board &board);

private:
    struct Cell {
        int interval = 0;
        int countdown = 10; // the caption; Dead for "X"
        bool live = false;  // enabled and timer running
        int timerInterval = 1000;
    };
    static constexpr int Dead = -1;

    struct Outcome {
        std::optional<RuleError::Kind> error;
        ClickOutcome click = ClickOutcome::Ignored;
        bool gameOver = false;
    };

    void stepNewGame();
    Outcome stepClick(int index);
    Outcome stepTick(int index);
    void endGame();
    bool noCellLive() const;

    QString compare(const Board &board) const;
    QString brokenInvariant(const Board &board) const;
    QString afterStep(const Board &board) const;

    std::array<Cell, Board::CellCount> m_cells{};
    int m_score = 0;
    int m_lastClicked = 0;
    GamePhase m_phase = GamePhase::Idle;
    bool m_everStarted = false; // a new game has been played on this board
    int m_gameOvers = 0;        // in this game
    // Events of this game that the window would not deliver.
    bool m_undeliveredClicks = false;
    bool m_undeliveredTicks = false;
    Tally m_tally;
};
