// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

namespace toolkit {

// Makes labels that act as commands read to screen readers as push buttons that can be pressed,
// unless something in front of them takes their clicks, and hides pictures and decorative labels
// from them. Once per program.
void installAccessibility();

} // namespace toolkit
