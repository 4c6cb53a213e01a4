#include "pictures.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

namespace Pictures {

namespace {

// One copy of each picture per pixel ratio, for the whole run.
QPixmap shared(const QString &path, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> pictures;
    // Pixmaps belong to the application object: let them go before it does.
    static const bool cleared = [] {
        qAddPostRoutine([] { pictures.clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    const bool sharp = devicePixelRatio > 1.0;
    const QString key = sharp ? path + QLatin1String("@2x") : path;
    auto found = pictures.constFind(key);
    if (found == pictures.cend())
        found = pictures.insert(key, load(path, devicePixelRatio));
    return *found;
}

} // namespace

QIcon applicationIcon()
{
    // Built once, and four windows ask for it. The design's own 32 × 32 pixels come from the
    // .ico; the launcher drawings give the other sizes, for task switchers and docks. Given
    // with their sizes, they are read only when a size is asked for.
    static const QIcon icon = [] {
        QIcon drawn(QStringLiteral(":/pictures/icon.ico"));
        for (int size : {16, 48, 64, 128, 256})
            drawn.addFile(QStringLiteral(":/pictures/icons/hicolor/%1x%1/apps/%2.png")
                              .arg(size)
                              .arg(QLatin1String(AppInfo::Id)),
                          QSize(size, size));
        return drawn;
    }();
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

QPixmap load(const QString &path, qreal devicePixelRatio)
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

} // namespace Pictures
