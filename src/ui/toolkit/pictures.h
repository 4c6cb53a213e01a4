#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The game's pictures, built into the program. Each is read once and shared by every window
// that shows it.
namespace Pictures {

inline const QString BackgroundPath = QStringLiteral(":/pictures/background.jpg");
inline const QString PlayPath = QStringLiteral(":/pictures/play.gif");

// The two-square icon: its exact 32 × 32 pixels, and the launcher drawings at 16, 48, 64, 128
// and 256.
QIcon applicationIcon();
// The dark-ground picture behind the main window's commands and the help window's rules.
QPixmap background(qreal devicePixelRatio);
// The see-through dark screen over the help and about commands during a game.
QPixmap play(qreal devicePixelRatio);

// Reads a picture of the resources, taking its @2x variant on a screen scaled above 100 %.
QPixmap load(const QString &path, qreal devicePixelRatio);
// The same as an image; a picture decoded at build time is read in place, without decoding.
QImage loadImage(const QString &path, qreal devicePixelRatio);

} // namespace Pictures
