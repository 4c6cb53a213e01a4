#pragma once

#include "timer.h"

#include <QCoreApplication>
#include <QEvent>

// While alive, holds back the real ticks of the game's timers, so that a test decides every
// tick itself and no tick depends on how busy the machine is. The timers still run.
class RealTicksHeldBack : public QObject {
public:
    RealTicksHeldBack() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Timer && qobject_cast<Timer *>(watched->parent());
    }
};
