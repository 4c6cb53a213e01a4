// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include <cmath>

// Layouts are designed in twips: 1440 to the inch, so 15 to a pixel at 96 dots per inch. Qt's
// high-DPI scaling takes logical pixels on from there.
namespace toolkit {

// A rectangle in twips, as the designs give them: left, top, width, height.
struct TwipRect {
    float left;
    float top;
    float width;
    float height;
};

namespace twips {

constexpr float PerPixel = 15.0f;

// Nearest logical pixel; ties away from zero, so a 10-twip offset either way from a whole
// pixel still lands a pixel apart.
inline int toPixels(float twips)
{
    return int(std::lround(twips / PerPixel));
}

inline QRect toPixels(const TwipRect &rect)
{
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

} // namespace twips

} // namespace toolkit
