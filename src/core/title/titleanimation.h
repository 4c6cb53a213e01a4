// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The main window's title, typed out letter by letter on the ticks of its 100 ms title timer.
class TitleAnimation {
public:
    static constexpr quint8 LastFrame = 10;

    // Starts the typing unless it is under way. If the typing has just finished (the last
    // frame was shown and no tick has brought the frame back to 0 yet), the next tick starts
    // again from frame 0 instead of running past the last frame.
    void arm();
    // One tick: the title to show, or nothing when the frame names no title.
    std::optional<QString> nextTitle();

    // Whether a tick could still change the title. Once the frame is back at 0 with the typing
    // over, every further tick shows frame 0 again, the title already shown, and leaves the
    // state as it is: the timer that drives the ticks may stop until the next arm().
    bool hasMoreToShow() const { return m_running || m_frame != 0; }

    // The title of one frame, 0 to 10, in the user's language.
    static QString frameTitle(quint8 frame);

private:
    bool m_running = false; // the title is being typed
    quint8 m_frame = 0;     // the frame the next tick shows
    quint8 m_step = 0;      // 1 while typing, 0 otherwise
};
