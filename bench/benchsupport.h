// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

// What the benchmarks share: a clock that two processes agree on, order statistics, /proc
// readings and the tables they print.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace Bench {

// Nanoseconds on the monotonic clock, which every process on the machine shares.
inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The value below which `share` of the samples lie (nearest rank); 0 for no samples.
inline double quantile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const auto rank = std::size_t(std::ceil(share * double(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double median(const std::vector<double> &samples)
{
    return quantile(samples, 0.5);
}

inline double largest(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::max_element(samples.begin(), samples.end());
}

// A field of /proc/<pid>/status in KiB, such as "VmRSS" or "VmHWM"; -1 if it cannot be read.
inline qint64 statusKiB(const QString &pid, const char *field)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

inline qint64 ownStatusKiB(const char *field)
{
    return statusKiB(QStringLiteral("self"), field);
}

// CPU time that all threads of a process have run, in nanoseconds; -1 once it is gone.
inline qint64 cpuTimeNs(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    if (!tasks.exists())
        return -1;
    qint64 total = 0;
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (file.open(QIODevice::ReadOnly))
            total += file.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

// Voluntary context switches of each thread of a process, by thread id: the times it went to
// sleep, each one a wake-up later. Empty once the process is gone.
inline std::map<QString, qint64> voluntaryContextSwitches(qint64 pid)
{
    std::map<QString, qint64> switches;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(task + QStringLiteral("/status")));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                switches[task] = line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return switches;
}

// Wake-ups between two readings: those of the threads alive at both, all of a thread that
// started between them, and at least one for a thread that ended, which woke up to end.
inline qint64 wakeUpsBetween(const std::map<QString, qint64> &before,
                             const std::map<QString, qint64> &after)
{
    qint64 total = 0;
    for (const auto &[thread, count] : after) {
        const auto earlier = before.find(thread);
        total += earlier == before.end() ? count : count - earlier->second;
    }
    for (const auto &[thread, count] : before)
        total += after.count(thread) ? 0 : 1;
    return total;
}

inline QString number(double value, int decimals = 2)
{
    return QString::number(value, 'f', decimals);
}

inline QString ratio(double value, double baseline)
{
    return baseline > 0.0 ? QString::number(value / baseline, 'f', 2) + QStringLiteral("×")
                          : QStringLiteral("–");
}

// Drops one remark of the offscreen platform, which cannot raise the tool windows that Qt
// raises whenever they are shown; thousands of openings would bury the tables in it.
inline void quietRaiseRemarks()
{
    static QtMessageHandler passOn = nullptr;
    passOn = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains(QLatin1String("This plugin does not support raise()")))
                passOn(type, context, text);
        });
}

// Prints a Markdown table, so that the output can go into docs/benchmarks.md as it is.
inline void printTable(const QString &title, const QStringList &header,
                       const std::vector<QStringList> &rows)
{
    std::printf("\n%s\n\n| %s |\n|", qUtf8Printable(title), qUtf8Printable(header.join(" | ")));
    for (qsizetype i = 0; i < header.size(); ++i)
        std::printf("---|");
    std::printf("\n");
    for (const QStringList &row : rows)
        std::printf("| %s |\n", qUtf8Printable(row.join(QStringLiteral(" | "))));
    std::fflush(stdout);
}

} // namespace Bench
