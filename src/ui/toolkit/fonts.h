#pragma once

#include <QFont>

// The faces the windows are designed with. Where a face is not installed, Qt substitutes an
// installed face of the same kind that has the Central European letters.
namespace Fonts {

inline constexpr char SansSerif[] = "MS Sans Serif";
inline constexpr char Comic[] = "Comic Sans MS";

// A face at a size in points, bold or regular.
QFont design(const char *face, qreal points, bool bold);

// The forms' default font: MS Sans Serif 8.25 pt, regular.
QFont formDefault();

// Registers the substitutes for the design faces once; design() does it too.
void installSubstitutions();

} // namespace Fonts
