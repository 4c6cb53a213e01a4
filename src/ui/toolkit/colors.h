#pragma once

#include <QColor>

// The colours the windows are designed with.
namespace Colors {

inline const QColor White(255, 255, 255);
inline const QColor Red(255, 0, 0);

} // namespace Colors
