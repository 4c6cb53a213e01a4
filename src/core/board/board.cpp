// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "board.h"

#include "checkedmath.h"
#include "numbertext.h"
#include "ruleerror.h"

#include <QCoreApplication>

#include <limits>

using Kind = RuleError::Kind;
using CheckedMath::roundToInt32;
using CheckedMath::single;

const Cell &Board::cell(int index) const
{
    if (index < 0 || index >= CellCount)
        throw RuleError(Kind::SubscriptOutOfRange);
    return m_cells[std::size_t(index)];
}

Cell &Board::checkedCell(int index)
{
    return const_cast<Cell &>(std::as_const(*this).cell(index));
}

void Board::newGame()
{
    for (Cell &cell : m_cells) {
        cell.interval = StartInterval;
        cell.timerInterval = roundToInt32(StartInterval);
        cell.timerEnabled = true;
        cell.enabled = true;
        cell.caption = Cell::FullCaption;
    }
    m_score = 0.0f;
    m_phase = GamePhase::Running;
    m_pause = Pause::None;
}

void Board::pause(Pause reason)
{
    if (m_phase == GamePhase::Running && reason > m_pause)
        m_pause = reason;
}

void Board::resume(Pause reason)
{
    if (reason == Pause::Player || m_pause == reason)
        m_pause = Pause::None;
}

void Board::togglePause()
{
    if (m_pause == Pause::None || m_pause == Pause::Menu)
        pause(Pause::Player);
    else
        resume(Pause::Player);
}

ClickResult Board::click(qint16 index)
{
    if (isPaused())
        return {ClickOutcome::Ignored, false};
    // The 16-bit sum comes first, before the comparison: index 32767 overflows.
    const int clickId = int(index) + 1;
    if (clickId > std::numeric_limits<qint16>::max())
        throw RuleError(Kind::Overflow);
    if (clickId == int(m_lastClicked))
        return {ClickOutcome::Ignored, false};

    Cell &cell = checkedCell(index);
    cell.interval = single(cell.interval - IntervalStep);
    Q_ASSERT(clickId >= 1 && clickId <= CellCount); // the index was checked above
    // Remembered before the test below, so a click that kills still counts as the last click.
    m_lastClicked = quint8(clickId);

    if (cell.interval > 0.0f) {
        cell.caption = Cell::FullCaption;
        cell.timerInterval = roundToInt32(cell.interval);
        m_score = single(m_score + PointsPerClick);
        return {ClickOutcome::Scored, false};
    }

    kill(cell);
    // A click that kills the last live cell ends the game just as a tick would.
    const bool gameOver = m_phase == GamePhase::Running && noCellLive();
    if (gameOver)
        m_phase = GamePhase::Over;
    return {ClickOutcome::Killed, gameOver};
}

bool Board::tick(qint16 index)
{
    if (isPaused())
        return false;
    Cell &cell = checkedCell(index);
    const float remaining = single(NumberText::toSingle(cell.caption) - 1.0f);
    cell.caption = NumberText::fromSingle(remaining);
    if (cell.caption == QLatin1String("0"))
        kill(cell);

    if (!noCellLive())
        return false;
    m_phase = GamePhase::Over;
    return true;
}

QString Board::scoreText() const
{
    //: The main window's score line before the score itself: letter-spaced, and ending in a blank.
    return QCoreApplication::translate("Board", "S c o r e : ") + NumberText::fromSingle(m_score);
}

void Board::kill(Cell &cell)
{
    cell.timerEnabled = false;
    cell.timerInterval = 0;
    cell.enabled = false;
    cell.caption = Cell::DeadCaption;
}

bool Board::noCellLive() const
{
    bool anyLive = false;
    for (const Cell &cell : m_cells) // all nine are read
        anyLive = anyLive || cell.enabled;
    return !anyLive;
}
