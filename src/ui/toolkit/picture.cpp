// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "picture.h"

#include "twips.h"

#include <QMouseEvent>

#include <utility>

namespace toolkit {

Picture::Picture(float left, float top, QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setScaledContents(false);
    move(twips::toPixels(left), twips::toPixels(top));
}

void Picture::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void Picture::setPictureOnShow(std::function<QPixmap()> load)
{
    m_load = std::move(load);
}

void Picture::showEvent(QShowEvent *event)
{
    if (m_load)
        setPicture(std::exchange(m_load, nullptr)());
    QLabel::showEvent(event);
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
