// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The one conversion between single-precision numbers and text that the game uses, for cell
// captions and the score. It ignores the user's locale: whole numbers are plain decimal digits.
namespace NumberText {

// "0", "10", "1710": no sign for zero, no separators, no decimal point for whole numbers.
QString fromSingle(float value);

// The number a text holds; throws RuleError(TypeMismatch) when it holds none (such as "X").
float toSingle(const QString &text);

} // namespace NumberText
