// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Runs the work of one of the core's own timers. The windows hand in their handler boundary, so
// that an error of the rules in a tick takes the program's fatal path as one in any handler
// does, and is never thrown through Qt's signal code.
using Boundary = std::function<void(const std::function<void()> &work)>;
