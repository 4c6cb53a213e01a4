// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Decodes a picture of the resources at build time into the raw form that Pictures reads
// without decoding: a header of four little-endian 32-bit numbers (width, height, bytes per
// line, QImage format), then the pixels. Decoding the background's JPEG at start-up was the
// largest piece of work on the way to the main window's first frame.
//
// usage: unpackpicture <picture> <raw output>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: unpackpicture <picture> <raw output>\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "unpackpicture: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "unpackpicture: cannot write %s\n", argv[2]);
        return 1;
    }
    for (const qint64 value : {qint64(image.width()), qint64(image.height()),
                               qint64(image.bytesPerLine()), qint64(image.format())}) {
        const quint32 little = qToLittleEndian(quint32(value));
        out.write(reinterpret_cast<const char *>(&little), sizeof little);
    }
    out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
