// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Wake-ups and CPU time of the game's idle main window, the title typed out, and of a game
// paused by its P key (given through xdotool, as a player would), against a bare window with
// one label and no timer; all three run side by side for the same minute, on the platform they
// are started with (xcb under Xvfb in the bench workflow).
//
// usage: bench_idle <kaludnik> <bench_window> [seconds, default 60]
#include "benchsupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace {

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Reading {
    qint64 cpuNs = 0;
    std::map<QString, qint64> switches; // by thread
};

Reading read(const QProcess &process)
{
    Reading reading{Bench::cpuTimeNs(process.processId()),
                    Bench::voluntaryContextSwitches(process.processId())};
    if (reading.cpuNs < 0 || reading.switches.empty())
        qFatal("a window ended before the measurement was over");
    return reading;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        qFatal("usage: bench_idle <kaludnik> <bench_window> [seconds]");
    const int seconds = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 60;

    QProcess game;
    QProcess paused;
    QProcess bare;
    for (QProcess *process : {&game, &paused, &bare})
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(QString::fromLocal8Bit(argv[1]), {});
    paused.start(QString::fromLocal8Bit(argv[1]), {});
    bare.start(QString::fromLocal8Bit(argv[2]), {QStringLiteral("bare"), QStringLiteral("idle")});
    if (!game.waitForStarted() || !paused.waitForStarted() || !bare.waitForStarted())
        qFatal("the windows did not start");
    // A game, started by its command and paused at once; keys go where the pointer is.
    QProcess xdotool;
    xdotool.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("w=$(xdotool search --sync --onlyvisible --pid %1 --name "
                                  "'^Ka ludnik$' | head -n 1) && xdotool mousemove --window $w "
                                  "190 185 click 1 sleep 0.2 key p")
                       .arg(paused.processId())});
    if (!xdotool.waitForFinished(30000) || xdotool.exitCode() != 0)
        qFatal("xdotool could not start and pause a game");
    wait(3000); // started, and the title typed out (1.2 s)

    const Reading gameBefore = read(game);
    const Reading pausedBefore = read(paused);
    const Reading bareBefore = read(bare);
    wait(seconds * 1000);
    const Reading gameAfter = read(game);
    const Reading pausedAfter = read(paused);
    const Reading bareAfter = read(bare);
    for (QProcess *process : {&game, &paused, &bare}) {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
    }

    const qint64 bareNs = bareAfter.cpuNs - bareBefore.cpuNs;
    const qint64 bareSwitches = Bench::wakeUpsBetween(bareBefore.switches, bareAfter.switches);
    const auto row = [&](const QString &name, const Reading &before, const Reading &after) {
        const double ms = double(after.cpuNs - before.cpuNs) / 1e6;
        const qint64 switches = Bench::wakeUpsBetween(before.switches, after.switches);
        return QStringList{name,
                           QString::number(switches),
                           Bench::number(double(switches) / seconds, 2),
                           Bench::number(ms, 2),
                           Bench::number(100.0 * ms / (seconds * 1000.0), 4) + QStringLiteral(" %"),
                           Bench::ratio(double(after.cpuNs - before.cpuNs), double(bareNs))};
    };
    Bench::printTable(
        QStringLiteral("Idle cost over %1 s, platform %2: voluntary context switches (wake-ups) "
                       "and CPU time, all threads")
            .arg(seconds)
            .arg(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))),
        {QStringLiteral("window"), QStringLiteral("wake-ups"), QStringLiteral("per second"),
         QStringLiteral("CPU ms"), QStringLiteral("of one core"),
         QStringLiteral("CPU vs bare window")},
        {row(QStringLiteral("game main window, title typed out"), gameBefore, gameAfter),
         row(QStringLiteral("game paused during a game"), pausedBefore, pausedAfter),
         row(QStringLiteral("bare window, one label, no timer"), bareBefore, bareAfter)});
    const qint64 gameSwitches = Bench::wakeUpsBetween(gameBefore.switches, gameAfter.switches);
    const qint64 pausedSwitches =
        Bench::wakeUpsBetween(pausedBefore.switches, pausedAfter.switches);
    std::printf("\nwake-ups: game %lld, paused game %lld, bare %lld (%s)\n", gameSwitches,
                pausedSwitches, bareSwitches,
                std::max(gameSwitches, pausedSwitches) <= bareSwitches
                    ? "no more than the bare window"
                    : "more than the bare window");
    return 0;
}
