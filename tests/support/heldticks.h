// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QTimer>

// While alive, holds back the real ticks of the game's timers, so that a test decides every
// tick itself and no tick depends on how busy the machine is. The timers still run.
class RealTicksHeldBack : public QObject {
public:
    RealTicksHeldBack() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Timer && isGameTimer(watched);
    }

private:
    static bool isGameTimer(const QObject *object)
    {
        const QString name = object->objectName();
        return qobject_cast<const QTimer *>(object) &&
               (name.startsWith(QLatin1String("cellTimer")) || name == QLatin1String("titleTimer"));
    }
};

// One tick of `timer`, as its time would bring it.
inline void tick(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}
