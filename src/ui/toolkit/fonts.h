// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace toolkit {

// A font as the designs name it: a face, a size in points, bold or regular. Where a face is not
// installed, an installed face of the same kind with the Central European letters stands in.
struct FontSpec {
    const char *face;
    qreal points;
    bool bold;
};

namespace fonts {

inline constexpr char SansSerif[] = "MS Sans Serif";
inline constexpr char Comic[] = "Comic Sans MS";

// What a window's text is drawn in unless its design says otherwise.
inline constexpr FontSpec WindowText{SansSerif, 8.25, false};
// The bold text of the score line and of the help and about windows.
inline constexpr FontSpec BoldText{SansSerif, 9.75, true};

QFont font(const FontSpec &style);

// Names the installed faces that stand in for the design faces; once per program.
void installSubstitutes();

} // namespace fonts

} // namespace toolkit
