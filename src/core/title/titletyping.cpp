// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "titletyping.h"

#include <QTimer>

TitleTyping::TitleTyping(Boundary boundary, QObject *parent)
    : QObject(parent), m_boundary(std::move(boundary)), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("titleTimer"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, [this] { m_boundary([this] { tick(); }); });
}

void TitleTyping::arm()
{
    m_animation.arm();
    if (!m_timer->isActive())
        m_timer->start();
}

bool TitleTyping::isTyping() const
{
    return m_timer->isActive();
}

void TitleTyping::tick()
{
    if (const std::optional<QString> title = m_animation.nextTitle())
        Q_EMIT shown(*title);
    if (m_animation.hasMoreToShow())
        return;
    m_timer->stop();
    Q_EMIT finished();
}
