// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "boardwatch.h"

#include <cmath>
#include <limits>

namespace {

const char *phaseName(GamePhase phase)
{
    switch (phase) {
    case GamePhase::Idle:
        return "Idle";
    case GamePhase::Running:
        return "Running";
    case GamePhase::Over:
        return "Over";
    }
    return "?";
}

const char *outcomeName(ClickOutcome outcome)
{
    switch (outcome) {
    case ClickOutcome::Ignored:
        return "Ignored";
    case ClickOutcome::Scored:
        return "Scored";
    case ClickOutcome::Killed:
        return "Killed";
    }
    return "?";
}

QString errorName(const std::optional<RuleError::Kind> &error)
{
    return error ? QString::fromLatin1(RuleError::message(*error)) : QStringLiteral("no error");
}

// A whole multiple of 50 from 50 to 1000: the periods a live cell can hold.
bool onLadder(float interval)
{
    return interval >= 50.0f && interval <= 1000.0f && std::fmod(interval, 50.0f) == 0.0f;
}

// The countdown the caption shows, 0 to 10, or nothing for "X" and anything else.
std::optional<int> countdownOf(const QString &caption)
{
    if (caption.isEmpty() || caption.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const QChar c : caption) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > 10 || (caption.size() == 2 && caption[0] == QLatin1Char('0')))
        return std::nullopt;
    return value;
}

QString cellText(int index, const QString &what)
{
    return QStringLiteral("cell %1: %2").arg(index).arg(what);
}

} // namespace

void BoardWatch::freshBoard()
{
    m_cells = {};
    m_score = 0;
    m_lastClicked = 0;
    m_phase = GamePhase::Idle;
    m_everStarted = false;
    m_gameOvers = 0;
    m_undeliveredClicks = false;
    m_undeliveredTicks = false;
}

QString BoardWatch::newGame(Board &board)
{
    stepNewGame();
    board.newGame();
    return afterStep(board);
}

QString BoardWatch::click(Board &board, int index)
{
    const Outcome expected = stepClick(index);
    Outcome actual;
    try {
        const ClickResult result = board.click(qint16(index));
        actual.click = result.outcome;
        actual.gameOver = result.gameOver;
    } catch (const RuleError &error) {
        actual.error = error.kind();
    }
    QString problem;
    if (actual.error != expected.error)
        problem = QStringLiteral("click %1 raised %2, expected %3")
                      .arg(index)
                      .arg(errorName(actual.error), errorName(expected.error));
    else if (!actual.error &&
             (actual.click != expected.click || actual.gameOver != expected.gameOver))
        problem = QStringLiteral("click %1 gave %2%3, expected %4%5")
                      .arg(index)
                      .arg(QLatin1String(outcomeName(actual.click)),
                           QLatin1String(actual.gameOver ? " and game over" : ""),
                           QLatin1String(outcomeName(expected.click)),
                           QLatin1String(expected.gameOver ? " and game over" : ""));
    if (!problem.isEmpty())
        return problem;
    return afterStep(board);
}

QString BoardWatch::tick(Board &board, int index)
{
    const Outcome expected = stepTick(index);
    Outcome actual;
    try {
        actual.gameOver = board.tick(qint16(index));
    } catch (const RuleError &error) {
        actual.error = error.kind();
    }
    if (actual.error != expected.error)
        return QStringLiteral("tick %1 raised %2, expected %3")
            .arg(index)
            .arg(errorName(actual.error), errorName(expected.error));
    if (!actual.error && actual.gameOver != expected.gameOver)
        return QStringLiteral("tick %1 %2 the game, expected otherwise")
            .arg(index)
            .arg(QLatin1String(actual.gameOver ? "ended" : "did not end"));
    return afterStep(board);
}

QString BoardWatch::sawNewGame(const Board &board)
{
    stepNewGame();
    return afterStep(board);
}

QString BoardWatch::sawClick(const Board &board, int index)
{
    const Outcome expected = stepClick(index);
    if (expected.error)
        return QStringLiteral("the window delivered click %1, which raises %2")
            .arg(index)
            .arg(errorName(expected.error));
    return afterStep(board);
}

QString BoardWatch::sawTick(const Board &board, int index)
{
    const Outcome expected = stepTick(index);
    if (expected.error)
        return QStringLiteral("the window delivered tick %1, which raises %2")
            .arg(index)
            .arg(errorName(expected.error));
    return afterStep(board);
}

bool BoardWatch::wouldDeliverClick(int index) const
{
    return index >= 0 && index < Board::CellCount && m_cells[std::size_t(index)].live;
}

void BoardWatch::stepNewGame()
{
    ++m_tally.steps;
    ++m_tally.newGames;
    for (Cell &cell : m_cells)
        cell = {1000, 10, true, 1000};
    m_score = 0;
    m_phase = GamePhase::Running;
    m_everStarted = true;
    m_gameOvers = 0;
    m_undeliveredClicks = false;
    m_undeliveredTicks = false;
}

BoardWatch::Outcome BoardWatch::stepClick(int index)
{
    ++m_tally.steps;
    const int clickId = index + 1;
    Outcome outcome;
    if (clickId > std::numeric_limits<qint16>::max()) {
        outcome.error = RuleError::Kind::Overflow;
    } else if (clickId == m_lastClicked) {
        ++m_tally.ignored;
        return outcome;
    } else if (index < 0 || index >= Board::CellCount) {
        outcome.error = RuleError::Kind::SubscriptOutOfRange;
    }
    if (outcome.error) {
        ++m_tally.errors;
        ++m_tally.errorsByKind[std::size_t(*outcome.error)];
        return outcome;
    }

    Cell &cell = m_cells[std::size_t(index)];
    const bool wasLive = cell.live;
    if (!wasLive) {
        ++m_tally.undeliveredClicks;
        m_undeliveredClicks = true;
    }
    cell.interval -= 50;
    m_lastClicked = clickId;
    if (cell.interval > 0) {
        cell.countdown = 10;
        cell.timerInterval = cell.interval;
        m_score += 10;
        ++m_tally.scored;
        if (!wasLive)
            ++m_tally.undeliveredScores;
        if (cell.live && cell.interval < m_tally.fastestPeriod)
            m_tally.fastestPeriod = cell.interval;
        if (m_score > m_tally.bestScore)
            m_tally.bestScore = m_score;
        if (m_score == 1710)
            ++m_tally.fullScores;
        outcome.click = ClickOutcome::Scored;
        return outcome;
    }
    cell = {cell.interval, Dead, false, 0};
    ++m_tally.killedByClick;
    outcome.click = ClickOutcome::Killed;
    if (m_phase == GamePhase::Running && noCellLive()) {
        endGame();
        ++m_tally.gameOversByClick;
        outcome.gameOver = true;
    }
    return outcome;
}

BoardWatch::Outcome BoardWatch::stepTick(int index)
{
    ++m_tally.steps;
    Outcome outcome;
    if (index < 0 || index >= Board::CellCount)
        outcome.error = RuleError::Kind::SubscriptOutOfRange;
    else if (m_cells[std::size_t(index)].countdown == Dead)
        outcome.error = RuleError::Kind::TypeMismatch;
    if (outcome.error) {
        ++m_tally.errors;
        ++m_tally.errorsByKind[std::size_t(*outcome.error)];
        return outcome;
    }

    Cell &cell = m_cells[std::size_t(index)];
    if (!cell.live) {
        ++m_tally.undeliveredTicks;
        m_undeliveredTicks = true;
    }
    ++m_tally.ticks;
    if (--cell.countdown == 0) {
        cell = {cell.interval, Dead, false, 0};
        ++m_tally.killedByTick;
    }
    if (noCellLive()) {
        if (m_gameOvers > 0)
            ++m_tally.repeatedGameOvers;
        endGame();
        ++m_tally.gameOversByTick;
        outcome.gameOver = true;
    }
    return outcome;
}

void BoardWatch::endGame()
{
    m_phase = GamePhase::Over;
    ++m_gameOvers;
}

bool BoardWatch::noCellLive() const
{
    for (const Cell &cell : m_cells) {
        if (cell.live)
            return false;
    }
    return true;
}

QString BoardWatch::afterStep(const Board &board) const
{
    const QString broken = brokenInvariant(board);
    if (!broken.isEmpty())
        return QStringLiteral("invariant broken: ") + broken;
    const QString differs = compare(board);
    if (!differs.isEmpty())
        return QStringLiteral("board and rules disagree: ") + differs;
    return {};
}

QString BoardWatch::brokenInvariant(const Board &board) const
{
    bool anyLive = false;
    for (int i = 0; i < Board::CellCount; ++i) {
        const ::Cell &cell = board.cell(i);
        if (cell.enabled != cell.timerEnabled)
            return cellText(i, QStringLiteral("enabled %1 but timer running %2")
                                   .arg(cell.enabled)
                                   .arg(cell.timerEnabled));
        const std::optional<int> countdown = countdownOf(cell.caption);
        if (cell.enabled) {
            anyLive = true;
            if (!onLadder(cell.interval))
                return cellText(i, QStringLiteral("live with interval %1").arg(cell.interval));
            if (float(cell.timerInterval) != cell.interval)
                return cellText(i, QStringLiteral("live with interval %1 but timer period %2")
                                       .arg(cell.interval)
                                       .arg(cell.timerInterval));
            if (!countdown || *countdown < 1)
                return cellText(i, QStringLiteral("live showing \"%1\"").arg(cell.caption));
            continue;
        }
        const bool relaxed = m_undeliveredClicks || m_undeliveredTicks;
        const bool dead = cell.caption == QLatin1String("X");
        if (!relaxed && !m_everStarted) {
            if (cell.caption != QLatin1String("10") || cell.timerInterval != 1000 ||
                cell.interval != 0.0f)
                return cellText(i, QStringLiteral("before the first game shows \"%1\" with "
                                                  "interval %2 and timer period %3")
                                       .arg(cell.caption)
                                       .arg(cell.interval)
                                       .arg(cell.timerInterval));
        } else if (!relaxed) {
            if (!dead || cell.timerInterval != 0)
                return cellText(i, QStringLiteral("not live but shows \"%1\" with timer period %2")
                                       .arg(cell.caption)
                                       .arg(cell.timerInterval));
            if (cell.interval != 0.0f && !onLadder(cell.interval))
                return cellText(i, QStringLiteral("dead with interval %1").arg(cell.interval));
        } else if (dead) {
            if (cell.timerInterval != 0 || cell.interval > 1000.0f ||
                std::fmod(cell.interval, 50.0f) != 0.0f)
                return cellText(i, QStringLiteral("dead with interval %1 and timer period %2")
                                       .arg(cell.interval)
                                       .arg(cell.timerInterval));
        } else {
            // Given a number back by a click while not live, or ticked before the first game.
            const bool clicked =
                onLadder(cell.interval) && float(cell.timerInterval) == cell.interval;
            const bool untouched = cell.interval == 0.0f && cell.timerInterval == 1000;
            if (!countdown || *countdown < 1 || !(clicked || untouched))
                return cellText(i, QStringLiteral("not live, shows \"%1\" with interval %2 and "
                                                  "timer period %3")
                                       .arg(cell.caption)
                                       .arg(cell.interval)
                                       .arg(cell.timerInterval));
        }
    }

    const float score = board.score();
    if (!(score >= 0.0f && score <= 1710.0f) || std::fmod(score, 10.0f) != 0.0f)
        return QStringLiteral("score %1").arg(score);
    if (BoardProbe::lastClicked(board) > Board::CellCount)
        return QStringLiteral("last clicked %1").arg(BoardProbe::lastClicked(board));
    if (board.phase() == GamePhase::Over && anyLive)
        return QStringLiteral("the game is over while a cell lives");
    if (m_gameOvers > 1 && !m_undeliveredTicks)
        return QStringLiteral("the game ended %1 times").arg(m_gameOvers);
    if (!m_undeliveredTicks) {
        const GamePhase expected = !m_everStarted    ? GamePhase::Idle
                                   : m_gameOvers > 0 ? GamePhase::Over
                                                     : GamePhase::Running;
        if (board.phase() != expected)
            return QStringLiteral("phase %1, expected %2")
                .arg(QLatin1String(phaseName(board.phase())), QLatin1String(phaseName(expected)));
    }
    return {};
}

QString BoardWatch::compare(const Board &board) const
{
    for (int i = 0; i < Board::CellCount; ++i) {
        const ::Cell &actual = board.cell(i);
        const Cell &expected = m_cells[std::size_t(i)];
        const QString caption =
            expected.countdown == Dead ? QStringLiteral("X") : QString::number(expected.countdown);
        if (actual.caption != caption || actual.interval != float(expected.interval) ||
            actual.enabled != expected.live || actual.timerEnabled != expected.live ||
            actual.timerInterval != expected.timerInterval)
            return cellText(i, QStringLiteral("is \"%1\" %2 ms, timer %3 ms, %4; expected \"%5\" "
                                              "%6 ms, timer %7 ms, %8")
                                   .arg(actual.caption)
                                   .arg(actual.interval)
                                   .arg(actual.timerInterval)
                                   .arg(QLatin1String(actual.enabled ? "live" : "not live"))
                                   .arg(caption)
                                   .arg(expected.interval)
                                   .arg(expected.timerInterval)
                                   .arg(QLatin1String(expected.live ? "live" : "not live")));
    }
    if (board.score() != float(m_score))
        return QStringLiteral("score %1, expected %2").arg(board.score()).arg(m_score);
    if (BoardProbe::lastClicked(board) != m_lastClicked)
        return QStringLiteral("last clicked %1, expected %2")
            .arg(BoardProbe::lastClicked(board))
            .arg(m_lastClicked);
    if (board.phase() != m_phase)
        return QStringLiteral("phase %1, expected %2")
            .arg(QLatin1String(phaseName(board.phase())), QLatin1String(phaseName(m_phase)));
    return {};
}

QString BoardWatch::describe(const Board &board)
{
    QString text = QStringLiteral("phase %1, score %2, last clicked %3\n")
                       .arg(QLatin1String(phaseName(board.phase())))
                       .arg(board.score())
                       .arg(BoardProbe::lastClicked(board));
    for (int i = 0; i < Board::CellCount; ++i) {
        const ::Cell &cell = board.cell(i);
        text += QStringLiteral("  cell %1: \"%2\" interval %3, timer %4 ms %5, %6\n")
                    .arg(i)
                    .arg(cell.caption)
                    .arg(cell.interval)
                    .arg(cell.timerInterval)
                    .arg(QLatin1String(cell.timerEnabled ? "running" : "stopped"),
                         QLatin1String(cell.enabled ? "enabled" : "disabled"));
    }
    return text;
}
