#include "pictures.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QtEndian>

namespace Pictures {

namespace {

QString keyOf(const QString &path, qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0 ? path + QLatin1String("@2x") : path;
}

// One copy of each picture per pixel ratio, for the whole run.
QHash<QString, QPixmap> &pictures()
{
    static QHash<QString, QPixmap> pixmaps;
    // Pixmaps belong to the application object: let them go before it does.
    static const bool cleared = [] {
        qAddPostRoutine([] { pixmaps.clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return pixmaps;
}

QPixmap shared(const QString &path, qreal devicePixelRatio)
{
    const QString key = keyOf(path, devicePixelRatio);
    auto found = pictures().constFind(key);
    if (found == pictures().cend())
        found = pictures().insert(key, load(path, devicePixelRatio));
    return *found;
}

} // namespace

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

QIcon applicationIcon()
{
    // One for the whole run: four windows ask for it.
    static const QIcon icon(new DeferredIconEngine);
    return icon;
}

QPixmap background(qreal devicePixelRatio)
{
    return shared(BackgroundPath, devicePixelRatio);
}

QPixmap play(qreal devicePixelRatio)
{
    return shared(PlayPath, devicePixelRatio);
}

namespace {

QString doubled(const QString &path)
{
    const QFileInfo file(path);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QLatin1String("@2x.") +
           file.suffix();
}

} // namespace

QPixmap load(const QString &path, qreal devicePixelRatio)
{
    return QPixmap::fromImage(loadImage(path, devicePixelRatio));
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

QImage loadImage(const QString &path, qreal devicePixelRatio)
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

} // namespace Pictures
