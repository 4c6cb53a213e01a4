// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <algorithm>

namespace pictures {
namespace {

// Only + - * / below: they round the same everywhere, so the picture's bytes do not
// depend on the machine's maths library.

struct Colour {
    double r, g, b;
};

constexpr Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Colour scaled(Colour c, double t)
{
    return {c.r * t, c.g * t, c.b * t};
}

constexpr double smoothstep(double from, double to, double x)
{
    const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// A blob's pull falls from 1 at its centre to 0 at reach, smoothly, so neighbours melt together.
struct Blob {
    double x, y, reach;
};

// In picture pixels of the 600 x 400 picture. Two large blobs rising to the right and a small
// one under the left: the hollow to the right of them stays dim for the menu text, and the
// buttons' side of the window stays black.
constexpr Blob blobs[] = {
    {98.0, 212.0, 115.0},
    {222.0, 112.0, 110.0},
    {112.0, 330.0, 68.0},
};

constexpr double surface = 0.2;     // pull at the figure's edge
constexpr double haloStretch = 1.5; // how much farther than the figure the glow reaches

constexpr Colour glowRed{0.80, 0.06, 0.04};
constexpr Colour rimRed{1.00, 0.22, 0.12};
constexpr Colour deepGreen{0.14, 0.40, 0.28};
constexpr Colour paleGreen{0.78, 1.00, 0.80};
constexpr Colour white{1.00, 1.00, 1.00};

double pull(double x, double y, double stretch)
{
    double sum = 0.0;
    for (const Blob &blob : blobs) {
        const double dx = (x - blob.x) / (blob.reach * stretch);
        const double dy = (y - blob.y) / (blob.reach * stretch);
        const double d2 = dx * dx + dy * dy;
        if (d2 < 1.0)
            sum += (1.0 - d2) * (1.0 - d2);
    }
    return sum;
}

Colour shade(double x, double y)
{
    const double u = pull(x, y, 1.0) / surface;
    if (u < 1.0) {
        // A tight bright edge plus a wide faint halo.
        const double halo = pull(x, y, haloStretch);
        return scaled(glowRed, 0.75 * u * u * u + 0.5 * halo);
    }
    const Colour body = mix(deepGreen, paleGreen, smoothstep(1.2, 2.8, u));
    const Colour inside = mix(body, white, smoothstep(3.2, 4.8, u));
    return mix(rimRed, inside, smoothstep(1.0, 1.4, u));
}

uint channel(double value)
{
    return uint(std::clamp(value, 0.0, 1.0) * 255.0 + 0.5);
}

} // namespace

// Each pixel samples the figure at its own centre, so the @2x picture has its own detail
// rather than blown-up pixels.
QImage drawBackground(int scale)
{
    QImage image(backgroundWidth * scale, backgroundHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double py = (y + 0.5) / scale;
        for (int x = 0; x < image.width(); ++x) {
            const Colour c = shade((x + 0.5) / scale, py);
            line[x] = qRgb(int(channel(c.r)), int(channel(c.g)), int(channel(c.b)));
        }
    }
    return image;
}

} // namespace pictures
