#include "picture.h"

#include "twips.h"

#include <QFileInfo>
#include <QMouseEvent>

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

QPixmap Picture::load(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QFileInfo file(path);
        const QString doubled = file.path() + QLatin1Char('/') + file.completeBaseName() +
                                QLatin1String("@2x.") + file.suffix();
        QPixmap sharp(doubled);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // a click on the picture never reaches what lies below it
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
