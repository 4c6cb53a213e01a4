#pragma once

#include <QObject>

#include <exception>
#include <utility>

// The boundary every event handler of the windows runs inside. Qt leaves an exception thrown
// out of a slot undefined, so an error of the rules is caught here and takes the fatal path:
// a message, a non-zero exit status, and no further ticks.
namespace Handlers {

// Reports `error` through the platform and ends the program with a failure status.
void fail(const std::exception &error) noexcept;

// Runs `handler`, turning any error it raises into the fatal path.
template <typename Handler> void run(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        fail(error);
    } catch (...) {
        fail(std::runtime_error("Unknown error"));
    }
}

// Connects `signal` of `sender` to the member function `handler` of `receiver`, run inside
// the boundary. The handler takes the signal's arguments, or none of them.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection connect(const Sender *sender, Signal signal, Receiver *receiver,
                                void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        run([&] { (receiver->*handler)(args...); });
    });
}

} // namespace Handlers
