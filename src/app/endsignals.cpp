// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "endsignals.h"

#include "appinfo.h"
#include "desktop.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it writes one byte where the event loop watches.
// It has no other way to reach the object than through this.
int s_writeEnd = -1;
// The line the program leaves when it does not end in time, written before it is needed.
char s_overdue[160] = {};
std::size_t s_overdueLength = 0;
volatile std::sig_atomic_t s_deadlineSet = 0;

void tellEventLoop(int)
{
    const int interrupted = errno; // of whatever the signal interrupted
    const char byte = 1;
    // A full socket already holds a request: one is as good as many.
    static_cast<void>(::write(s_writeEnd, &byte, 1) == 1);
    if (!s_deadlineSet) {
        s_deadlineSet = 1;
        ::alarm(EndSignals::DeadlineSeconds);
    }
    errno = interrupted;
}

// The window thread has not answered the request to end: it is stuck, and only the process's
// end is left.
void endOverdue(int)
{
    static_cast<void>(::write(STDERR_FILENO, s_overdue, s_overdueLength) > 0);
    ::_exit(toolkit::Desktop::FatalErrorStatus);
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
    const int length = std::snprintf(s_overdue, sizeof s_overdue,
                                     "%s: fatal error: the program did not end within %u s of "
                                     "the signal to end it\n",
                                     AppInfo::DisplayName, DeadlineSeconds);
    s_overdueLength = std::size_t(std::max(0, std::min(length, int(sizeof s_overdue) - 1)));
    struct sigaction overdue {};
    overdue.sa_handler = endOverdue;
    sigemptyset(&overdue.sa_mask);
    ::sigaction(SIGALRM, &overdue, nullptr);

    struct sigaction action {};
    action.sa_handler = tellEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals) {
        // One that was ignored when the program started (nohup ignores SIGHUP) stays ignored.
        struct sigaction found {};
        if (::sigaction(signal, nullptr, &found) == 0 && found.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

EndSignals::~EndSignals()
{
    if (m_readEnd < 0)
        return;
    // The end has come: a signal from here on could only cut it short.
    ::alarm(0);
    for (const int signal : Signals) {
        struct sigaction found {};
        if (::sigaction(signal, nullptr, &found) == 0 && found.sa_handler == tellEventLoop)
            std::signal(signal, SIG_IGN);
    }
    ::close(std::exchange(s_writeEnd, -1));
    ::close(m_readEnd);
}
