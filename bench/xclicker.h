// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

// Real clicks through the X server (XTest) and the frames they bring, read back from the
// server; apart from the game's headers, whose Window would clash with X11's.

#include <QByteArray>
#include <QRect>

class XClicker {
public:
    static constexpr int PressMs = 15; // between press and release, as a quick player's click
    static constexpr int TimeoutMs = 1000;

    XClicker(); // its own connection, to be used by one thread only
    ~XClicker();
    XClicker(const XClicker &) = delete;
    XClicker &operator=(const XClicker &) = delete;

    // Reports damage to the top-level window `window` from now on.
    void watch(unsigned long window);
    // The pixels of `rect`, in root window coordinates, on the screen now.
    QByteArray pixels(const QRect &rect);
    void moveTo(const QRect &rect);
    // Presses, then releases; the milliseconds from the release until `rect` shows
    // `expected`, or a negative number if it never does. Nothing expected: returns 0 at once.
    double click(const QRect &rect, const QByteArray &expected);

private:
    void drainDamage();

    struct _XDisplay *m_display = nullptr;
    int m_damageEvent = 0;
};
