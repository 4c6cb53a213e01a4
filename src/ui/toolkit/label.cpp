// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "label.h"

#include <QMouseEvent>

namespace toolkit {

Label::Label(const TwipRect &place, bool autoSize, QWidget *parent)
    : QLabel(parent), m_left(place.left), m_top(place.top), m_autoSize(autoSize),
      m_fitPending(autoSize)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setWordWrap(!autoSize);
    setGeometry(twips::toPixels(place));
}

void Label::showText(const QString &text)
{
    setText(text);
    if (m_autoSize) {
        m_fitPending = true;
        fitText();
    }
}

void Label::fitText()
{
    if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        return;
    m_fitPending = false;
    resize(sizeHint());
}

void Label::showEvent(QShowEvent *event)
{
    if (m_fitPending)
        fitText();
    QLabel::showEvent(event);
}

void Label::setTextColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void Label::moveToTwips(float left, float top)
{
    m_left = left;
    m_top = top;
    move(twips::toPixels(left), twips::toPixels(top));
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT pointerMoved();
}

} // namespace toolkit
