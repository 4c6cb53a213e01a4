#pragma once

#include <QIcon>
#include <QString>

// The game's pictures, built into the program.
namespace Pictures {

inline const QString Background = QStringLiteral(":/pictures/background.jpg");
inline const QString Play = QStringLiteral(":/pictures/play.gif");

// The two-square icon: its exact 32 × 32 pixels, and on a scaled screen a drawing at 64.
QIcon applicationIcon();

} // namespace Pictures
