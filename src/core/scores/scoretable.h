// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// One finished game that made the table.
struct ScoreEntry {
    QString name;
    int score = 0;
    QDateTime achieved; // UTC
    // Tells this game's row from every other, for renaming it; empty in rows of older files.
    QString id;

    bool operator==(const ScoreEntry &other) const = default;
};

// The five best results, best first; of two equal scores the older stays ahead.
class ScoreTable {
public:
    static constexpr int Size = 5;

    // Whether a game that ended with `score` would take a place: above 0, and better than
    // the last of a full table (an equal score stays behind the older one).
    bool qualifies(int score) const;
    // Puts `entry` in its place and drops what falls off the end; its rank from 0, or -1
    // when it did not make the table.
    int insert(const ScoreEntry &entry);

    // Gives the row of `id` the name `name`; false when no row has that id.
    bool rename(const QString &id, const QString &name);
    // The row of `id`, if the table holds it.
    const ScoreEntry *find(const QString &id) const;

    const QList<ScoreEntry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    QList<ScoreEntry> m_entries;
};

// What a player typed, made fit to keep: trimmed, without line breaks, controls or invisible
// format characters (bidirectional controls among them), and at most MaxLength characters, cut
// between two whole characters (a letter keeps its accents, an emoji its parts), each of at most
// MaxCodePoints code points. Empty when nothing visible is left.
namespace PlayerName {

inline constexpr int MaxLength = 32;
inline constexpr int MaxCodePoints = 8; // a family emoji takes 7

QString clean(const QString &typed);

// What the system account calls its user: the full name where it is set, else the login name.
QString ofSystemUser();

} // namespace PlayerName
