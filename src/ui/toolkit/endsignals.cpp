// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "endsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

namespace toolkit {

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it writes one byte where the event loop watches.
// It has no other way to reach the object than through this.
int s_writeEnd = -1;

void tellEventLoop(int)
{
    const int interrupted = errno; // of whatever the signal interrupted
    const char byte = 1;
    // A full socket already holds a request: one is as good as many.
    static_cast<void>(::write(s_writeEnd, &byte, 1) == 1);
    errno = interrupted;
}

} // namespace

EndSignals::EndSignals(QObject *parent) : QObject(parent)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return; // the signals keep ending the process at once
    m_readEnd = ends[0];
    s_writeEnd = ends[1];
    auto *notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(m_readEnd, bytes, sizeof bytes) > 0) {
        }
        Q_EMIT arrived();
    });
    struct sigaction action {};
    action.sa_handler = tellEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    if (m_readEnd < 0)
        return;
    for (const int signal : Signals)
        std::signal(signal, SIG_DFL);
    ::close(std::exchange(s_writeEnd, -1));
    ::close(m_readEnd);
}

} // namespace toolkit
