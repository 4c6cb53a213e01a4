// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <algorithm>

namespace pictures {
namespace {

void drawSquare(QImage &image, int left, int top, int side, int line, QRgb fill)
{
    for (int y = top; y < top + side; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = left; x < left + side; ++x) {
            const bool frame = x < left + line || x >= left + side - line || y < top + line ||
                               y >= top + side - line;
            row[x] = frame ? iconFrame : fill;
        }
    }
}

QString hex(QRgb colour)
{
    return QStringLiteral("#%1").arg(colour & 0xffffff, 6, 16, QLatin1Char('0'));
}

} // namespace

// The window icon of the design, 32 px: squares of 9 at columns 13 and 23, rows 11 to 19, the
// right one touching the edge.
IconLayout designIconLayout()
{
    IconLayout layout;
    layout.size = 32;
    layout.side = 9;
    layout.line = 1;
    layout.top = 11;
    layout.left = 13;
    layout.right = 23;
    return layout;
}

// The launcher icons: the same two squares as large as a margin of a sixteenth of the canvas on
// either side allows, centred both ways. The frame and the gap keep roughly their share of the
// design (1 to 9) in whole pixels, so that every edge stays crisp; where the pixels do not
// divide evenly, the extra one goes to the right and bottom margins.
IconLayout launcherIconLayout(int size)
{
    IconLayout layout;
    layout.size = size;
    const int width = size - 2 * (size / 16);
    layout.line = std::max(1, (width + 9) / 19);
    layout.side = (width - layout.line) / 2;
    layout.left = (size - (2 * layout.side + layout.line)) / 2;
    layout.right = layout.left + layout.side + layout.line;
    layout.top = (size - layout.side) / 2;
    return layout;
}

QImage drawIcon(const IconLayout &layout)
{
    QImage image(layout.size, layout.size, QImage::Format_ARGB32);
    image.fill(0);
    drawSquare(image, layout.left, layout.top, layout.side, layout.line, iconLeft);
    drawSquare(image, layout.right, layout.top, layout.side, layout.line, iconRight);
    return image;
}

QByteArray iconSvg(const IconLayout &l)
{
    const int inner = l.side - 2 * l.line;
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%1\" viewBox=\"0 0 %1 %1\" "
                                 "shape-rendering=\"crispEdges\">\n")
                      .arg(l.size);
    const auto rect = [&svg](int x, int y, int side, QRgb fill) {
        svg +=
            QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\"/>\n")
                .arg(x)
                .arg(y)
                .arg(side)
                .arg(hex(fill));
    };
    // Each square is its frame colour with the fill painted over the inside.
    rect(l.left, l.top, l.side, iconFrame);
    rect(l.left + l.line, l.top + l.line, inner, iconLeft);
    rect(l.right, l.top, l.side, iconFrame);
    rect(l.right + l.line, l.top + l.line, inner, iconRight);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace pictures
