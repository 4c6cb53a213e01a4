// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "gamerecord.h"

#include "board/board.h"
#include "files/userfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace {

// The end of the record that is read: RecentCount lines of some 40 bytes, and room for more.
constexpr qint64 TailBytes = 16 * 1024;
// An append holds the lock for one line: another copy's is worth a short wait.
constexpr int LockWaitMs = 100;

// One line of the record, with the running counts up to it.
struct Line {
    int score = 0;
    int games = 0;
    qint64 total = 0;
    int best = 0;
};

// The fields of a line, in their order.
enum Field { Ended, Score, Played, Games, Total, Best, FieldCount };

std::optional<Line> parse(const QByteArray &text)
{
    const QList<QByteArray> fields = text.split(' ');
    if (fields.size() != FieldCount)
        return std::nullopt;
    std::array<qint64, FieldCount> value{};
    for (int i = 0; i < FieldCount; ++i) {
        bool ok = false;
        value[std::size_t(i)] = fields[i].toLongLong(&ok);
        if (!ok || value[std::size_t(i)] < 0)
            return std::nullopt;
    }
    const qint64 score = value[Score];
    const qint64 games = value[Games];
    const qint64 total = value[Total];
    const qint64 best = value[Best];
    if (score > Board::MaxScore || score % qint64(Board::PointsPerClick) != 0 || games < 1 ||
        games > std::numeric_limits<int>::max() || total < score ||
        total > games * Board::MaxScore || best < score || best > Board::MaxScore)
        return std::nullopt;
    return Line{int(score), int(games), total, int(best)};
}

// The whole lines at the end of `file`, oldest first; those cut short or damaged left out.
QList<Line> tail(QFile &file)
{
    const qint64 start = std::max<qint64>(0, file.size() - TailBytes);
    if (!file.seek(start))
        return {};
    QList<QByteArray> texts = file.read(TailBytes).split('\n');
    // What follows the last line break is a line cut short, or nothing; where the reading
    // begins inside the file, so is what precedes the first.
    texts.removeLast();
    if (start > 0 && !texts.isEmpty())
        texts.removeFirst();
    QList<Line> lines;
    for (const QByteArray &text : std::as_const(texts)) {
        if (const std::optional<Line> line = parse(text))
            lines.append(*line);
    }
    return lines;
}

} // namespace

double RecordSummary::averageOfLast(int count) const
{
    const qsizetype taken = std::min(qsizetype(count), recent.size());
    if (taken == 0)
        return 0.0;
    qint64 sum = 0;
    for (qsizetype i = recent.size() - taken; i < recent.size(); ++i)
        sum += recent[i];
    return double(sum) / double(taken);
}

GameRecord::GameRecord(const QString &path) : m_path(path) {}

RecordSummary GameRecord::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<Line> lines = tail(file);
    RecordSummary summary;
    if (lines.isEmpty())
        return summary;
    summary.games = lines.last().games;
    summary.total = lines.last().total;
    summary.best = lines.last().best;
    for (qsizetype i = std::max<qsizetype>(0, lines.size() - RecentCount); i < lines.size(); ++i)
        summary.recent.append(lines[i].score);
    return summary;
}

GameRecord::Status GameRecord::append(const FinishedGame &game)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return Status::NotSaved;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(UserFiles::StaleLockMs);
    if (!lock.tryLock(LockWaitMs))
        return lock.error() == QLockFile::LockFailedError ? Status::Busy : Status::NotSaved;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return Status::NotSaved;
    const QList<Line> lines = tail(file);
    const Line last = lines.isEmpty() ? Line{} : lines.last();
    QByteArray text =
        QByteArray::number(game.ended.toSecsSinceEpoch()) + ' ' + QByteArray::number(game.score) +
        ' ' + QByteArray::number(qint64(game.played.count())) + ' ' +
        QByteArray::number(last.games + 1) + ' ' + QByteArray::number(last.total + game.score) +
        ' ' + QByteArray::number(std::max(last.best, game.score)) + '\n';
    // After a line cut short, this one starts on a line of its own.
    if (file.size() > 0 && file.seek(file.size() - 1) && file.read(1) != "\n")
        text.prepend('\n');
    return file.write(text) == text.size() && file.flush() ? Status::Ok : Status::NotSaved;
}
