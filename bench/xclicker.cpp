// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "xclicker.h"

#include "benchsupport.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>

#include <chrono>
#include <thread>

XClicker::XClicker()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display)
        qFatal("no X display");
    int error = 0;
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &error))
        qFatal("the X server has no DAMAGE extension");
    int event = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        qFatal("the X server has no XTEST extension");
}

XClicker::~XClicker()
{
    XCloseDisplay(m_display);
}

void XClicker::watch(unsigned long window)
{
    XDamageCreate(m_display, window, XDamageReportRawRectangles);
    XSync(m_display, False);
}

QByteArray XClicker::pixels(const QRect &rect)
{
    XImage *image = XGetImage(m_display, DefaultRootWindow(m_display), rect.x(), rect.y(),
                              unsigned(rect.width()), unsigned(rect.height()), AllPlanes, ZPixmap);
    if (!image)
        qFatal("XGetImage failed");
    QByteArray bytes(image->data, image->bytes_per_line * image->height);
    XDestroyImage(image);
    return bytes;
}

void XClicker::moveTo(const QRect &rect)
{
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), rect.center().x(), rect.center().y(),
                         CurrentTime);
    XFlush(m_display);
}

void XClicker::drainDamage()
{
    XSync(m_display, False);
    while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
    }
}

void XClicker::focus(unsigned long window)
{
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    XSync(m_display, False);
}

unsigned long XClicker::focused()
{
    Window window = 0;
    int revertTo = 0;
    XGetInputFocus(m_display, &window, &revertTo);
    return window;
}

double XClicker::click(const QRect &rect, const QByteArray &expected)
{
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XFlush(m_display);
    std::this_thread::sleep_for(std::chrono::milliseconds(PressMs));
    drainDamage();
    const qint64 start = Bench::nowNs();
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    return waitFor(start, rect, expected);
}

double XClicker::key(unsigned keyCode, const QRect &rect, const QByteArray &expected)
{
    drainDamage();
    const qint64 start = Bench::nowNs();
    XTestFakeKeyEvent(m_display, keyCode, True, CurrentTime);
    XFlush(m_display);
    const double ms = waitFor(start, rect, expected);
    // Held as long as a click's button, so that the release never reads as a repeat.
    std::this_thread::sleep_for(std::chrono::milliseconds(PressMs) -
                                std::chrono::nanoseconds(Bench::nowNs() - start));
    XTestFakeKeyEvent(m_display, keyCode, False, CurrentTime);
    XFlush(m_display);
    return ms;
}

double XClicker::waitFor(qint64 startNs, const QRect &rect, const QByteArray &expected)
{
    if (expected.isEmpty())
        return 0.0;
    for (;;) {
        const qint64 left = TimeoutMs - (Bench::nowNs() - startNs) / 1000000;
        if (left <= 0)
            return -1.0;
        if (!XPending(m_display)) {
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, int(left));
        }
        bool damaged = false;
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == m_damageEvent + XDamageNotify) {
                const auto *notify = reinterpret_cast<const XDamageNotifyEvent *>(&event);
                const QRect area(notify->geometry.x + notify->area.x,
                                 notify->geometry.y + notify->area.y, notify->area.width,
                                 notify->area.height);
                damaged = damaged || area.intersects(rect);
            }
        }
        if (damaged && pixels(rect) == expected)
            return double(Bench::nowNs() - startNs) / 1e6;
    }
}
