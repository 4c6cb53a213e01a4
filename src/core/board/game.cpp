// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "game.h"

#include "title/titletyping.h"

#include <QTimer>

#include <utility>

Game::Game(Boundary boundary, QObject *parent)
    : QObject(parent), m_boundary(std::move(boundary)), m_title(new TitleTyping(m_boundary, this))
{
    for (int i = 0; i < Board::CellCount; ++i) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("cellTimer%1").arg(i));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(m_board.cell(i).timerInterval);
        connect(timer, &QTimer::timeout, this, [this, i] { m_boundary([this, i] { tick(i); }); });
        m_timers[std::size_t(i)] = timer;
    }
    connect(m_title, &TitleTyping::shown, this, &Game::titleChanged);
    connect(m_title, &TitleTyping::finished, this, [this] {
        if (isStill())
            Q_EMIT stilled();
    });
    m_title->arm();
}

void Game::newGame()
{
    m_board.newGame();
    const bool wasHeld = std::exchange(m_pause, Pause::None) != Pause::None;
    // Every period starts afresh, held or not.
    for (int i = 0; i < Board::CellCount; ++i) {
        runTimer(i, true);
        Q_EMIT cellChanged(i);
    }
    m_playedNs = 0;
    m_clock.start();
    Q_EMIT scoreChanged();
    if (wasHeld)
        Q_EMIT pauseChanged();
    m_title->arm();
}

void Game::click(int index)
{
    const ClickResult result = m_board.click(qint16(index));
    if (result.outcome == ClickOutcome::Ignored)
        return;
    const bool scored = result.outcome == ClickOutcome::Scored;
    runTimer(index, scored);
    Q_EMIT cellChanged(index);
    if (scored)
        Q_EMIT scoreChanged();
    if (result.gameOver) {
        stopClock();
        Q_EMIT gameOver();
    }
}

void Game::tick(int index)
{
    const bool gameOver = m_board.tick(qint16(index));
    runTimer(index, false);
    Q_EMIT cellChanged(index);
    if (gameOver) {
        stopClock();
        Q_EMIT this->gameOver();
    }
}

void Game::pause(Pause reason)
{
    m_board.pause(reason);
    followPause();
}

void Game::resume(Pause reason)
{
    m_board.resume(reason);
    followPause();
}

void Game::togglePause()
{
    m_board.togglePause();
    followPause();
}

qint64 Game::playedTime() const
{
    return (m_playedNs + (m_clock.isValid() ? m_clock.nsecsElapsed() : 0)) / 1'000'000;
}

void Game::runTimer(int index, bool restartPeriod)
{
    const Cell &cell = m_board.cell(index);
    QTimer *timer = m_timers[std::size_t(index)];
    // The one period that goes on after a pause is shorter, and the tick that ends it starts
    // the cell's own period again.
    if (!cell.timerEnabled || cell.timerInterval <= 0) {
        timer->stop();
        timer->setInterval(cell.timerInterval);
    } else if (m_pause == Pause::None &&
               (restartPeriod || !timer->isActive() || timer->interval() != cell.timerInterval)) {
        timer->start(cell.timerInterval);
    }
}

void Game::followPause()
{
    const Pause reason = m_board.pauseReason();
    if (reason == m_pause)
        return;
    const bool held = m_pause != Pause::None;
    m_pause = reason;
    if (held != (reason != Pause::None)) {
        if (held)
            release();
        else
            hold();
    }
    Q_EMIT pauseChanged();
}

void Game::hold()
{
    for (int i = 0; i < Board::CellCount; ++i) {
        QTimer *timer = m_timers[std::size_t(i)];
        if (timer->isActive()) {
            m_restOfPeriod[std::size_t(i)] = timer->remainingTime();
            timer->stop();
        }
    }
    stopClock();
    if (isStill())
        Q_EMIT stilled();
}

void Game::release()
{
    for (int i = 0; i < Board::CellCount; ++i) {
        const Cell &cell = m_board.cell(i);
        if (cell.timerEnabled && cell.timerInterval > 0)
            m_timers[std::size_t(i)]->start(m_restOfPeriod[std::size_t(i)]);
    }
    m_clock.start();
}

void Game::stopClock()
{
    if (m_clock.isValid())
        m_playedNs += m_clock.nsecsElapsed();
    m_clock.invalidate();
}

bool Game::isStill() const
{
    return !m_title->isTyping() && (m_board.phase() != GamePhase::Running || m_board.isPaused());
}
