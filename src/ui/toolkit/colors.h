// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// The colours the windows are designed with.
namespace toolkit::colors {

inline constexpr QColor White(255, 255, 255);
inline constexpr QColor Red(255, 0, 0);
inline constexpr QColor DarkGrey(0x40, 0x40, 0x40);
inline constexpr QColor Black(0, 0, 0);

} // namespace toolkit::colors
