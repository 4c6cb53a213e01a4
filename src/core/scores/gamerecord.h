// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <chrono>

// A finished game, as the record counts it.
struct FinishedGame {
    int score = 0;
    QDateTime ended;                  // UTC
    std::chrono::milliseconds played; // without its pauses
};

// What the record says of every game played.
struct RecordSummary {
    int games = 0;    // every game the record counts
    qint64 total = 0; // the sum of their scores
    int best = 0;
    QList<int>
        recent; // the scores of the last games, at most GameRecord::RecentCount, oldest first
    double averageOfAll() const { return games > 0 ? double(total) / games : 0.0; }
    // Of the last `count` games, or of as many as there are.
    double averageOfLast(int count) const;
};

// Every finished game, one line each, appended to a file beside the table of best results:
//   <end, seconds since 1970 UTC> <score> <ms played> <games> <total> <best>
// The last three are running counts, so that reading the record reads its end alone, however
// long it grows. Appends are made under a lock of their own (QLockFile), held for one line:
// two copies of the game, even on two machines sharing the folder, never write into each
// other's line. A line cut short or damaged is skipped and costs that line alone: the next
// append starts on a line of its own, and counts on from the last whole line.
class GameRecord {
public:
    static constexpr int RecentCount = 100;

    enum class Status {
        Ok,
        Busy,     // another copy of the game is appending
        NotSaved, // the file cannot be written
    };

    explicit GameRecord(const QString &path);

    // A missing or unreadable file is an empty record.
    RecordSummary read() const;
    Status append(const FinishedGame &game);

private:
    QString m_path;
};
