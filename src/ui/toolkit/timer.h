#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer that knows its index in its array. It runs while it is enabled and its
// interval is above 0; an interval of 0 never fires. A new interval restarts the period.
class Timer : public QObject {
    Q_OBJECT

public:
    Timer(QObject *parent, int index, int interval, bool enabled);

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    // Whether ticks are coming: enabled with an interval above 0.
    bool isRunning() const { return m_timer.isActive(); }
    // Milliseconds until the next tick; -1 when not running.
    int remainingTime() const { return m_timer.remainingTime(); }

    void setInterval(int milliseconds);
    void setEnabled(bool enabled);
    // Starts the current period afresh.
    void restart();

Q_SIGNALS:
    void tick(int index);

private:
    void apply();

    QTimer m_timer;
    int m_index;
    int m_interval;
    bool m_enabled;
};
