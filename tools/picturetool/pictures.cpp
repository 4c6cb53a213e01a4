// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "gifwriter.h"
#include "icowriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace pictures {
namespace {

// The writers store the resolution; left alone it would follow the screen of whoever runs us.
constexpr int dotsPerMeter = 3780; // 96 dpi

QByteArray encode(const QImage &image, const char *format, int quality)
{
    QImage copy = image;
    copy.setDotsPerMeterX(dotsPerMeter);
    copy.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(copy))
        return {};
    return bytes;
}

} // namespace

QByteArray encodePng(const QImage &image)
{
    return encode(image, "png", -1);
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    return encode(image, "jpeg", quality);
}

QList<Picture> allPictures()
{
    QList<Picture> list;
    const QImage icon = drawIcon(designIconLayout());
    list.append({QStringLiteral("icon.ico"), encodeIco(icon)});
    // Index 1 is white in the palette but never shown: it is the see-through colour.
    list.append({QStringLiteral("play.gif"), encodeGif(drawPlay(1), 1)});
    list.append({QStringLiteral("play@2x.gif"), encodeGif(drawPlay(2), 1)});
    list.append(
        {QStringLiteral("background.jpg"), encodeJpeg(drawBackground(1), backgroundQuality)});
    list.append(
        {QStringLiteral("background@2x.jpg"), encodeJpeg(drawBackground(2), backgroundQuality)});
    const QString launcher = QStringLiteral("icons/hicolor/%1/apps/" KALUDNIK_APP_ID ".%2");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        list.append({launcher.arg(QStringLiteral("%1x%1").arg(size), QStringLiteral("png")),
                     encodePng(drawIcon(launcherIconLayout(size)))});
    }
    list.append({launcher.arg(QStringLiteral("scalable"), QStringLiteral("svg")),
                 iconSvg(launcherIconLayout(scalableIconSize))});
    return list;
}

bool writeAll(const QString &folder, QString *error)
{
    const QDir root(folder);
    for (const Picture &picture : allPictures()) {
        const QString path = root.filePath(picture.path);
        if (picture.bytes.isEmpty()) {
            *error = QStringLiteral("could not encode %1").arg(picture.path);
            return false;
        }
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == picture.bytes)
            continue;
        existing.close();
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            *error = QStringLiteral("cannot create the folder for %1").arg(path);
            return false;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(picture.bytes) != picture.bytes.size() ||
            !file.commit()) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
            return false;
        }
    }
    return true;
}

} // namespace pictures
