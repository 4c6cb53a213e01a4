// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "picture.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <utility>

namespace toolkit {

Picture::Picture(const TwipRect &place, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(twips::toPixels(place));
}

void Picture::setPicture(Source source)
{
    m_source = std::move(source);
    if (isVisible())
        resize(pixmap().deviceIndependentSize().toSize());
    update();
}

QPixmap Picture::pixmap() const
{
    return m_source ? m_source(devicePixelRatioF()) : QPixmap();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (!m_source)
        return;
    QPainter painter(this);
    // The ratio of what is painted on: the window's on its screen, or that of a grab.
    const QPixmap picture = m_source(painter.paintEngine()->paintDevice()->devicePixelRatioF());
    if (size() != picture.deviceIndependentSize().toSize())
        resize(picture.deviceIndependentSize().toSize());
    painter.drawPixmap(0, 0, picture);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // a click on the picture never reaches what lies below it
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace toolkit
