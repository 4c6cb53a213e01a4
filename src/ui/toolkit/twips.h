#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

// Layouts are designed in twips: 1440 to the inch, so 15 to a pixel at 96 dots per inch. Qt's
// high-DPI scaling takes logical pixels on from there.
namespace Twips {

constexpr float PerPixel = 15.0f;

// Nearest logical pixel; ties away from zero, so a 10-twip offset either way from a whole
// pixel still lands a pixel apart.
inline int toPixels(float twips)
{
    return int(std::lround(twips / PerPixel));
}

inline float fromPixels(int pixels)
{
    return float(pixels) * PerPixel;
}

inline QRect rect(float left, float top, float width, float height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline QSize size(float width, float height)
{
    return {toPixels(width), toPixels(height)};
}

} // namespace Twips
