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
// format characters (bidirectional controls among them), and at most MaxLength characters as the
// reader sees them, each kept or dropped whole: a letter with its accents, an emoji sequence
// with all its parts. A character keeps at most MaxMarks combining marks, and one made of more
// than MaxCodePoints code points besides them goes. Empty when nothing visible is left.
namespace PlayerName {

inline constexpr int MaxLength = 32;
inline constexpr int MaxMarks = 8;
// The longest emoji sequences take 11: a family of four with their skin tones.
inline constexpr int MaxCodePoints = 16;
// The most of a typed name that clean() can keep, in UTF-16 units: what a name box holds.
inline constexpr int MaxTypedLength = MaxLength * (MaxCodePoints + MaxMarks) * 2;

QString clean(const QString &typed);

// Whether `name` draws nothing: only blanks and characters that show no ink (Unicode's
// White_Space and Default_Ignorable_Code_Point, the Hangul fillers among them, and the braille
// blank). No result is named so.
bool isBlank(const QString &name);

// What the system account calls its user: the full name where it is set, else the login name.
QString ofSystemUser();

} // namespace PlayerName
