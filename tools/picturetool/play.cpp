// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "pictures.h"

namespace pictures {

// A see-through weave: the first row is solid, the others let every fourth pixel through,
// shifted by two columns from one row to the next.
QImage drawPlay(int scale)
{
    QImage image(playWidth * scale, playHeight * scale, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y) {
        const int row = y / scale;
        uchar *line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int column = x / scale;
            const bool hole = row > 0 && column % 4 == (row % 2 == 1 ? 1 : 3);
            line[x] = hole ? 1 : 0;
        }
    }
    return image;
}

} // namespace pictures
