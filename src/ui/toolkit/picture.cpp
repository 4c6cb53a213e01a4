#include "picture.h"

#include "twips.h"

#include <QMouseEvent>

#include <utility>

Picture::Picture(QWidget *parent, float left, float top) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setScaledContents(false);
    move(Twips::toPixels(left), Twips::toPixels(top));
}

void Picture::setPicture(const QPixmap &picture)
{
    m_picture = picture;
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
