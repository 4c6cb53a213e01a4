// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

// Draws every picture the game ships and encodes it the way the game expects to load it.
namespace pictures {

inline constexpr QRgb iconFrame = 0xff8b8b8b; // grey frame around both squares
inline constexpr QRgb iconLeft = 0xffffffff;  // white fill of the left square
inline constexpr QRgb iconRight = 0xff8affde; // mint fill of the right square

inline constexpr int playWidth = 103;
inline constexpr int playHeight = 76;
inline constexpr int backgroundWidth = 600;
inline constexpr int backgroundHeight = 400;
inline constexpr int backgroundQuality = 90;

// Where the two squares of the icon sit on its square canvas, in whole pixels.
struct IconLayout {
    int size = 0;  // width and height of the canvas
    int side = 0;  // width and height of each square
    int line = 0;  // frame width, and the gap between the squares
    int top = 0;   // first row of both squares
    int left = 0;  // first column of the white square
    int right = 0; // first column of the mint square
};
IconLayout designIconLayout();               // the 32 x 32 window icon, exactly as designed
IconLayout launcherIconLayout(int size);     // the menu and launcher icons: centred, enlarged
inline constexpr int scalableIconSize = 256; // view box of the SVG, the largest PNG's layout

QImage drawIcon(const IconLayout &layout);    // ARGB32, transparent around the squares
QByteArray iconSvg(const IconLayout &layout); // the same, as whole-unit SVG rectangles
QImage drawPlay(int scale);       // Indexed8: 0 black, 1 white (made transparent in the file)
QImage drawBackground(int scale); // RGB32, 600 x 400 times scale

QByteArray encodePng(const QImage &image);
QByteArray encodeJpeg(const QImage &image, int quality);

// One file under the resources folder.
struct Picture {
    QString path; // relative, with '/' separators
    QByteArray bytes;
};
QList<Picture> allPictures();

// Writes every picture below folder; leaves files whose bytes are already right untouched.
bool writeAll(const QString &folder, QString *error);

} // namespace pictures
