// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// What the windows need of the whole process. Each of these reaches every window and thread of
// the program, so they are made here, once, and nowhere else.
namespace toolkit::process {

// First thing, before Qt starts: why the address-space limit (ulimit -v) leaves too little for
// a game with its sound, if it does.
std::optional<std::string> tooLittleRoom();

// Before the first window: the faces that stand in for the design's fonts, what screen readers
// are told of labels, the painter's threads kept once made, and no end of the process at a
// file-size limit.
void prepare();

// Qt's cache of drawings (the icon, the style's buttons) would wake the idle program 30 s after
// the last painting, only to age them. Called where the program falls idle, it lets them go;
// that costs one redrawing at the next paint.
void dropCachedDrawings();

} // namespace toolkit::process
