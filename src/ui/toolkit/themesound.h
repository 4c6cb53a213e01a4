// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace toolkit {

namespace detail {
class SoundPlayer;
}

// Sounds of the desktop's sound theme, named by their freedesktop event ids and played through
// the sound server with libcanberra. Connecting to the server and opening a stream can take a
// while, so it all happens on a thread of its own, started on the first sound: start-up does
// not pay for it and the event loop never waits for it.
class ThemeSound {
public:
    ThemeSound();
    // Ends a sound still playing. A sound server that has stopped answering is not waited for.
    ~ThemeSound();
    ThemeSound(const ThemeSound &) = delete;
    ThemeSound &operator=(const ThemeSound &) = delete;

    // Plays the first of `eventIds` that the theme has. Where none can be played (no sound
    // server, no theme), `fallback` runs on the application's thread instead.
    void play(std::vector<const char *> eventIds, std::function<void()> fallback);

private:
    std::unique_ptr<detail::SoundPlayer> m_player;
};

} // namespace toolkit
