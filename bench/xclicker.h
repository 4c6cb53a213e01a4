// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

// Real clicks and key presses through the X server (XTest) and the frames they bring, read back
// from the server; apart from the game's headers, whose Window would clash with X11's.

#include <QByteArray>
#include <QRect>

class XClicker {
public:
    static constexpr int PressMs = 15; // a button or key held as briefly as a quick player does
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
    // Gives the X input focus to the top-level window `window`, which then gets the keys
    // wherever the pointer is: without a window manager nothing else hands it over.
    void focus(unsigned long window);
    // The window that has the X input focus.
    unsigned long focused();
    // Presses the first button, then releases it; the milliseconds from the release, which
    // makes a button act, until `rect` shows `expected`, or a negative number if it never does.
    // Nothing expected: returns 0 at once.
    double click(const QRect &rect, const QByteArray &expected);
    // Presses the key of X key code `keyCode`, then releases it; the milliseconds from the
    // press, which makes the game's grid keys act, until `rect` shows `expected`, as click().
    double key(unsigned keyCode, const QRect &rect, const QByteArray &expected);

private:
    void drainDamage();
    // Milliseconds from `startNs` until `rect` shows `expected`, negative if it never does.
    double waitFor(qint64 startNs, const QRect &rect, const QByteArray &expected);

    struct _XDisplay *m_display = nullptr;
    int m_damageEvent = 0;
};
