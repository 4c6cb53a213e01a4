// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Arithmetic steps of the rules, each checked: a result out of range raises a RuleError.
namespace CheckedMath {

// The result of a single-precision step; a floating-point error if it is infinite or NaN.
float single(float result);

// Nearest whole number, ties to even; an overflow error outside the signed 32-bit range.
qint32 roundToInt32(float value);

} // namespace CheckedMath
