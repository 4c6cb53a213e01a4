// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "checkedmath.h"

#include "ruleerror.h"

#include <cmath>
#include <limits>

namespace CheckedMath {

float single(float result)
{
    if (!std::isfinite(result))
        throw RuleError(RuleError::Kind::FloatingPoint);
    return result;
}

qint32 roundToInt32(float value)
{
    const double rounded = std::nearbyint(double(value)); // the default mode rounds ties to even
    if (!(rounded >= double(std::numeric_limits<qint32>::min()) &&
          rounded <= double(std::numeric_limits<qint32>::max())))
        throw RuleError(RuleError::Kind::Overflow);
    return qint32(rounded);
}

} // namespace CheckedMath
