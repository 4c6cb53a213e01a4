// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The program that the start-up and idle benchmarks start, in one of two kinds:
//   game  the game's own start-up: the application object, then the main window, as main() does
//   bare  a bare Qt window with one label, the baseline
// and one of two modes:
//   start  prints the monotonic time of the first expose, then, once the window has settled,
//          its peak and current RSS, and ends
//   idle   stays up, as an idle window does
//
// usage: bench_window game|bare start|idle
#include "benchsupport.h"

#include "application.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <cstring>

namespace {

// Waits for the first window to be exposed; everything before it is start-up.
class ExposeProbe : public QObject {
public:
    explicit ExposeProbe(bool quit) : m_quit(quit) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Expose)
            return false;
        const auto *window = qobject_cast<QWindow *>(watched);
        if (!window || !window->isExposed())
            return false;
        m_seen = true;
        std::printf("expose_ns %lld\n", Bench::nowNs());
        std::fflush(stdout);
        if (m_quit) {
            // Settled: painted, and the title timer has ticked.
            QTimer::singleShot(500, [] {
                std::printf("hwm_kib %lld\nrss_kib %lld\n", Bench::ownStatusKiB("VmHWM"),
                            Bench::ownStatusKiB("VmRSS"));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_quit;
    bool m_seen = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const bool game = std::strcmp(argv[1], "game") == 0;
    const bool quit = std::strcmp(argv[2], "start") == 0;
    int programArgc = 1;
    if (game) {
        Application application(programArgc, argv);
        ExposeProbe probe(quit);
        application.installEventFilter(&probe);
        return application.run();
    }
    QApplication application(programArgc, argv);
    ExposeProbe probe(quit);
    application.installEventFilter(&probe);
    QLabel label(QStringLiteral("Ka ludnik"));
    label.show();
    return application.exec();
}
