#pragma once

#include <QString>

// Texts that only screen readers hear, in the user's language.
namespace AccessibleTexts {

// "Row 1, column 2": rows and columns counted from 1.
QString cell(int row, int column);
QString cellCount(const QString &caption);
QString score();

} // namespace AccessibleTexts
