#include "timer.h"

#include "platform.h"

Timer::Timer(QObject *parent, int index, int interval, bool enabled)
    : QObject(parent), m_timer(this), m_index(index), m_interval(interval), m_enabled(enabled)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // Once the program is ending, a tick still queued must not reach the game.
        if (Platform::current().isEnding()) {
            m_timer.stop();
            return;
        }
        Q_EMIT tick(m_index);
    });
    apply();
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    apply();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::restart()
{
    apply();
}

void Timer::apply()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}
