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

// The design is made for 32 px: squares of 9 at columns 13 and 23, rows 11 to 19, the right one
// touching the edge. Other sizes keep that place in whole pixels so they stay crisp, and for
// multiples of 32 this comes out as an exact nearest-neighbour blow-up.
IconLayout iconLayout(int size)
{
    IconLayout layout;
    layout.side = 9 * size / 32;
    layout.line = std::max(1, (size + 16) / 32);
    // Centres the squares on row 15.5 of 32, rounding half down.
    layout.top = (31 * size - 32 * layout.side + 32) / 64;
    layout.right = size - layout.side;
    layout.left = layout.right - layout.line - layout.side;
    return layout;
}

QImage drawIcon(int size)
{
    const IconLayout layout = iconLayout(size);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(0);
    drawSquare(image, layout.left, layout.top, layout.side, layout.line, iconLeft);
    drawSquare(image, layout.right, layout.top, layout.side, layout.line, iconRight);
    return image;
}

QByteArray iconSvg()
{
    const IconLayout l = iconLayout(32);
    const int inner = l.side - 2 * l.line;
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                       "viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\">\n");
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
