// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Start-up time and peak memory of the game against a bare Qt window with one label, both
// started the same way, taking turns: from just before the process is started to the first
// expose of its window, and the peak RSS once the window has settled.
//
// usage: bench_startup <bench_window> [runs, default 30]
#include "benchsupport.h"

#include <QCoreApplication>
#include <QProcess>

#include <map>

namespace {

struct Run {
    double startMs = 0;
    double peakMiB = 0;
};

Run startOnce(const QString &program, const QString &kind)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 before = Bench::nowNs();
    process.start(program, {kind, QStringLiteral("start")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s window did not start and end: %s", qPrintable(kind),
               qPrintable(process.errorString()));
    std::map<QByteArray, qint64> values;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            values[parts[0]] = parts[1].toLongLong();
    }
    return {double(values["expose_ns"] - before) / 1e6, double(values["hwm_kib"]) / 1024.0};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_startup <bench_window> [runs]");
    const QString program = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 30;
    const QStringList kinds{QStringLiteral("game"), QStringLiteral("bare")};

    // Warm the caches (program files, fontconfig) for both, then take turns.
    for (const QString &kind : kinds)
        startOnce(program, kind), startOnce(program, kind);
    std::map<QString, std::vector<double>> startMs;
    std::map<QString, std::vector<double>> peakMiB;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const QString &kind = kinds[(i + k) % 2];
            const Run run = startOnce(program, kind);
            startMs[kind].push_back(run.startMs);
            peakMiB[kind].push_back(run.peakMiB);
        }
    }

    const auto timeRow = [&](const QString &kind, const QString &name) {
        const std::vector<double> &s = startMs[kind];
        return QStringList{name, Bench::number(Bench::median(s), 1),
                           Bench::number(*std::min_element(s.begin(), s.end()), 1),
                           Bench::number(Bench::quantile(s, 0.9), 1),
                           Bench::ratio(Bench::median(s), Bench::median(startMs["bare"]))};
    };
    Bench::printTable(
        QStringLiteral("Start-up: process start to the first expose of the window, ms, %1 runs "
                       "each, offscreen")
            .arg(runs),
        {QStringLiteral("window"), QStringLiteral("median"), QStringLiteral("min"),
         QStringLiteral("p90"), QStringLiteral("vs bare window")},
        {timeRow(QStringLiteral("game"), QStringLiteral("game main window")),
         timeRow(QStringLiteral("bare"), QStringLiteral("bare window with one label"))});

    const auto memoryRow = [&](const QString &kind, const QString &name) {
        const std::vector<double> &m = peakMiB[kind];
        return QStringList{name, Bench::number(Bench::median(m), 1),
                           Bench::number(Bench::largest(m), 1),
                           Bench::ratio(Bench::median(m), Bench::median(peakMiB["bare"]))};
    };
    Bench::printTable(
        QStringLiteral("Memory after start: peak RSS (VmHWM) in MiB, 0.5 s after the first "
                       "expose, %1 runs each, offscreen")
            .arg(runs),
        {QStringLiteral("window"), QStringLiteral("median"), QStringLiteral("max"),
         QStringLiteral("vs bare window")},
        {memoryRow(QStringLiteral("game"), QStringLiteral("game main window")),
         memoryRow(QStringLiteral("bare"), QStringLiteral("bare window with one label"))});
    return 0;
}
