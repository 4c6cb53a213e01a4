// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

// What the windows need of the whole process. Each of these reaches every window and thread of
// the program, so they are made here, once, and nowhere else.
namespace toolkit::process {

// What a game needs beyond what start-up holds (some 10 MiB for a game, the score window, help
// and about), with a margin.
inline constexpr std::uint64_t RoomToPlayBytes = 32 * 1024 * 1024;

// Bytes of address space the limit (ulimit -v) leaves; none where there is no limit.
std::optional<std::uint64_t> addressSpaceLeft();

// Once start-up is done: throws where the address-space limit leaves too little for a game.
void requireRoomToPlay();

// Before the first window: the faces that stand in for the design's fonts, what screen readers
// are told of labels, and no end of the process at a file-size limit.
void prepare();

// Qt's cache of drawings (the icon, the style's buttons) would wake the idle program 30 s after
// the last painting, only to age them. Called where the program falls idle, it lets them go;
// that costs one redrawing at the next paint.
void dropCachedDrawings();

} // namespace toolkit::process
