// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "icowriter.h"

#include "bytes.h"

#include <vector>

namespace pictures {

QByteArray encodeIco(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    if (image.isNull() || width > 256 || height > 256)
        return {};

    // Index 0 is black and stands under every transparent pixel; the mask hides it.
    QList<QRgb> palette{qRgb(0, 0, 0)};
    std::vector<uchar> indices(std::size_t(width) * std::size_t(height));
    std::vector<bool> hidden(indices.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const std::size_t at = std::size_t(y) * std::size_t(width) + std::size_t(x);
            if (qAlpha(pixel) == 0) {
                hidden[at] = true;
                continue;
            }
            if (qAlpha(pixel) != 255)
                return {};
            qsizetype index = palette.indexOf(pixel, 1);
            if (index < 0) {
                if (palette.size() == 256)
                    return {};
                index = palette.size();
                palette.append(pixel);
            }
            indices[at] = uchar(index);
        }
    }

    const quint32 xorStride = (quint32(width) + 3) & ~3u;
    const quint32 andStride = (quint32(width) + 31) / 32 * 4;
    const quint32 pixelBytes = (xorStride + andStride) * quint32(height);
    const quint32 headerSize = 40;
    const quint32 paletteSize = 256 * 4;
    const quint32 directorySize = 6 + 16;

    QByteArray out;
    // ICONDIR: reserved, type 1 = icon, one image.
    putLe16(out, 0);
    putLe16(out, 1);
    putLe16(out, 1);
    // ICONDIRENTRY; 0 means 256 for the sizes and for the colour count.
    out.append(char(width & 0xff));
    out.append(char(height & 0xff));
    out.append(char(0));
    out.append(char(0));
    putLe16(out, 1); // planes
    putLe16(out, 8); // bits per pixel
    putLe32(out, headerSize + paletteSize + pixelBytes);
    putLe32(out, directorySize);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    putLe32(out, headerSize);
    putLe32(out, quint32(width));
    putLe32(out, quint32(height) * 2);
    putLe16(out, 1);
    putLe16(out, 8);
    putLe32(out, 0); // BI_RGB
    putLe32(out, pixelBytes);
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 0); // all 256 palette entries
    putLe32(out, 0);
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < palette.size() ? palette.at(i) : qRgb(0, 0, 0);
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
    // Both bitmaps run bottom-up, rows padded to four bytes.
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(qsizetype(xorStride), '\0');
        for (int x = 0; x < width; ++x)
            row[x] = char(indices[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
        out.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(qsizetype(andStride), '\0');
        for (int x = 0; x < width; ++x) {
            if (hidden[std::size_t(y) * std::size_t(width) + std::size_t(x)])
                row[x / 8] = char(uchar(row.at(x / 8)) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace pictures
