// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "ruleerror.h"

RuleError::RuleError(Kind kind) : std::runtime_error(message(kind)), m_kind(kind) {}

const char *RuleError::message(Kind kind)
{
    switch (kind) {
    case Kind::Overflow:
        return "Overflow";
    case Kind::SubscriptOutOfRange:
        return "Subscript out of range";
    case Kind::TypeMismatch:
        return "Type mismatch";
    case Kind::FloatingPoint:
        return "Floating-point error";
    }
    return "Unknown error";
}
