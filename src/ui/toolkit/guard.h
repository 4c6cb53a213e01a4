// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"

#include <QObject>

#include <concepts>
#include <exception>
#include <stdexcept>
#include <utility>

// The boundary every event handler of the windows runs inside. Qt leaves an exception thrown
// out of a slot undefined, so an error of the rules is caught here and takes the fatal path:
// a message, a non-zero exit status, and nothing of the game running on.
namespace toolkit {

// Runs `handler`; an error it raises goes to `desktop`'s fatal path. Once the program has
// begun to end, no handler runs: an answer or a tick that still arrives finds nothing to do.
template <typename Handler> void runGuarded(Desktop &desktop, Handler &&handler) noexcept
{
    if (desktop.isEnding())
        return;
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        desktop.fail(QString::fromUtf8(error.what()));
    } catch (...) {
        desktop.fail(QStringLiteral("Unknown error"));
    }
}

// Connects `signal` of `sender` to the member function `handler` of `receiver`, run inside the
// boundary. The handler takes the signal's arguments, or none of them.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection connectGuarded(Desktop &desktop, const Sender *sender, Signal signal,
                                       Receiver *receiver, void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [&desktop, receiver, handler](Args... args) {
        runGuarded(desktop, [&] { (receiver->*handler)(args...); });
    });
}

// The same for a handler that takes nothing, such as a lambda that names a cell.
template <typename Sender, typename Signal, std::invocable Handler>
QMetaObject::Connection connectGuarded(Desktop &desktop, const Sender *sender, Signal signal,
                                       QObject *context, Handler handler)
{
    return QObject::connect(sender, signal, context,
                            [&desktop, handler] { runGuarded(desktop, handler); });
}

} // namespace toolkit
