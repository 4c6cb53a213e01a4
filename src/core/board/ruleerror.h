// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

// An error raised by a checked step of the game's rules (board and title). None arises in normal
// play; one that does is a programming fault, and the program reports it and ends.
class RuleError : public std::runtime_error {
public:
    enum class Kind { Overflow, SubscriptOutOfRange, TypeMismatch, FloatingPoint };

    explicit RuleError(Kind kind);
    Kind kind() const { return m_kind; }

    static const char *message(Kind kind);

private:
    Kind m_kind;
};
