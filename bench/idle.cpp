// CPU time of the game's idle main window, the title timer running, against a bare window with
// a 100 ms timer that does nothing; both run side by side for the same minute.
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        qFatal("usage: bench_idle <kaludnik> <bench_window> [seconds]");
    const int seconds = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 60;

    QProcess game;
    QProcess bare;
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bare.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(QString::fromLocal8Bit(argv[1]), {});
    bare.start(QString::fromLocal8Bit(argv[2]), {QStringLiteral("bare"), QStringLiteral("idle")});
    if (!game.waitForStarted() || !bare.waitForStarted())
        qFatal("the windows did not start");
    wait(3000); // started, and the title typed out

    const qint64 gameBefore = Bench::cpuTimeNs(game.processId());
    const qint64 bareBefore = Bench::cpuTimeNs(bare.processId());
    wait(seconds * 1000);
    const qint64 gameAfter = Bench::cpuTimeNs(game.processId());
    const qint64 bareAfter = Bench::cpuTimeNs(bare.processId());
    if (gameBefore < 0 || gameAfter < 0 || bareBefore < 0 || bareAfter < 0)
        qFatal("a window ended before the minute was over");
    for (QProcess *process : {&game, &bare}) {
        process->terminate();
        if (!process->waitForFinished(5000))
            process->kill();
    }

    const auto row = [&](const QString &name, qint64 ns, qint64 baseNs) {
        const double ms = double(ns) / 1e6;
        return QStringList{name, Bench::number(ms, 1),
                           Bench::number(100.0 * ms / (seconds * 1000.0), 3) + QStringLiteral(" %"),
                           Bench::ratio(double(ns), double(baseNs))};
    };
    Bench::printTable(
        QStringLiteral("Idle cost: CPU time of an idle window over %1 s, offscreen, all threads")
            .arg(seconds),
        {QStringLiteral("window"), QStringLiteral("CPU ms"), QStringLiteral("of one core"),
         QStringLiteral("vs bare window")},
        {row(QStringLiteral("game main window, title timer running"), gameAfter - gameBefore,
             bareAfter - bareBefore),
         row(QStringLiteral("bare window, 100 ms timer"), bareAfter - bareBefore,
             bareAfter - bareBefore)});
    return 0;
}
