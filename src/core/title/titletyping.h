// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "board/boundary.h"
#include "title/titleanimation.h"

#include <QObject>

class QTimer;

// The title typed out on the ticks of its own 100 ms timer, "titleTimer", which runs only while
// there is something left to type: a timer ticking over a finished title would wake the program
// ten times a second for nothing.
class TitleTyping : public QObject {
    Q_OBJECT

public:
    // Each tick runs inside `boundary`.
    TitleTyping(Boundary boundary, QObject *parent);

    // Starts the typing; one under way goes on with its period, so the frames stay 100 ms apart.
    void arm();
    bool isTyping() const;

Q_SIGNALS:
    void shown(const QString &title);
    // The typing is over and the timer stopped.
    void finished();

private:
    void tick();

    Boundary m_boundary;
    TitleAnimation m_animation;
    QTimer *m_timer;
};
