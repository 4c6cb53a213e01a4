// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include "ruleerror.h"

#include <cmath>

namespace NumberText {

QString fromSingle(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0"); // never "-0"
    // Seven significant digits is all a single holds; whole numbers below 10^7 print as digits.
    return QString::number(double(value), 'g', 7);
}

float toSingle(const QString &text)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        throw RuleError(RuleError::Kind::TypeMismatch);
    return value;
}

} // namespace NumberText
