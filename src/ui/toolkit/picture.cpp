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
    m_sized = false;
    if (isVisible())
        takeItsSize();
    update();
}

QPixmap Picture::pixmap() const
{
    return m_source ? m_source(devicePixelRatioF()) : QPixmap();
}

void Picture::takeItsSize()
{
    m_sized = true;
    const QPixmap picture = pixmap();
    // A picture without a transparent colour hides what lies behind it: nothing there needs to
    // be painted first, each time a control over the picture changes.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.hasAlphaChannel());
    resize(picture.deviceIndependentSize().toSize());
}

void Picture::showEvent(QShowEvent *event)
{
    // A picture hidden until now is read when it first shows.
    if (m_source && !m_sized)
        takeItsSize();
    QWidget::showEvent(event);
}

void Picture::paintEvent(QPaintEvent *)
{
    if (!m_source)
        return;
    QPainter painter(this);
    // The ratio of what is painted on: the window's on its screen, or that of a grab. The
    // picture is the same size at every ratio, only sharper.
    painter.drawPixmap(0, 0, m_source(painter.paintEngine()->paintDevice()->devicePixelRatioF()));
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
