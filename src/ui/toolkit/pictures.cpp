// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "appinfo.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QtEndian>

namespace toolkit {

namespace {

// Reads the icon's drawings when they are first asked for: an X11 window manager asks at the
// window's creation, offscreen and Wayland windows never do, and no frame waits for them.
class DeferredIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull()) {
            // The design's own 32 × 32 pixels come from the .ico; the launcher drawings give
            // the other sizes, for task switchers and docks. Given with their sizes, they are
            // read only when a size is asked for.
            m_icon = QIcon(QStringLiteral(":/pictures/icon.ico"));
            for (int size : {16, 48, 64, 128, 256})
                m_icon.addFile(QStringLiteral(":/pictures/icons/hicolor/%1x%1/apps/%2.png")
                                   .arg(size)
                                   .arg(QLatin1String(AppInfo::Id)),
                               QSize(size, size));
        }
        return m_icon;
    }

    QIcon m_icon;
};

} // namespace

PictureStore::PictureStore() : m_icon(new DeferredIconEngine) {}

QPixmap PictureStore::background(qreal devicePixelRatio)
{
    return shared(BackgroundPath, devicePixelRatio);
}

QPixmap PictureStore::play(qreal devicePixelRatio)
{
    return shared(PlayPath, devicePixelRatio);
}

QPixmap PictureStore::shared(const QString &path, qreal devicePixelRatio)
{
    const QString key = devicePixelRatio > 1.0 ? path + QLatin1String("@2x") : path;
    auto found = m_pixmaps.constFind(key);
    if (found == m_pixmaps.cend())
        found = m_pixmaps.insert(key, QPixmap::fromImage(loadImage(path, devicePixelRatio)));
    return *found;
}

namespace {

QString doubled(const QString &path)
{
    const QFileInfo file(path);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QLatin1String("@2x.") +
           file.suffix();
}

// A picture decoded at build time (tools/unpackpicture), read in place: its four-number header,
// then its pixels; a null image if there is none.
QImage unpacked(const QString &path)
{
    const QFileInfo file(path);
    const QResource raw(file.path() + QLatin1Char('/') + file.completeBaseName() +
                        QLatin1String(".raw"));
    constexpr qint64 HeaderSize = 4 * sizeof(quint32);
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
        raw.size() < HeaderSize)
        return {};
    const uchar *data = raw.data();
    const auto field = [data](int i) { return qFromLittleEndian<quint32>(data + 4 * i); };
    const quint32 width = field(0), height = field(1), bytesPerLine = field(2);
    const auto format = QImage::Format(field(3));
    if (HeaderSize + qint64(bytesPerLine) * height != raw.size() ||
        format <= QImage::Format_Invalid || format >= QImage::NImageFormats)
        return {};
    // The resource lives as long as the program; the image only reads it.
    return QImage(data + HeaderSize, int(width), int(height), qsizetype(bytesPerLine), format);
}

} // namespace

QImage PictureStore::loadImage(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QImage sharp(doubled(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    const QImage fast = unpacked(path);
    return fast.isNull() ? QImage(path) : fast;
}

} // namespace toolkit
