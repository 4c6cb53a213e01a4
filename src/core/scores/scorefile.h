// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "scoretable.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The table kept on disk: one small versioned JSON document,
//   {"version": 1, "lastName": "…", "scores": [{"name": "…", "score": 120,
//    "achieved": "2026-12-07T16:30:00Z", "id": "…"}, …]}
// ("id" tells a row from the others for a rename; files written before it are read as well).
// Every write replaces the whole file at once (QSaveFile: a crash or a full disk leaves the old
// file or the new one), and every change is read, merged and written under a QLockFile, so that
// two copies of the game running at once keep each other's results. Each call does its disk
// work at once and never waits for another copy: ScoreKeeper runs it off the windows' thread
// and waits there.
class ScoreFile {
public:
    static constexpr int Version = 1;
    static constexpr qint64 MaxBytes = 1024 * 1024;

    enum class Status {
        Ok,
        SetAside,   // the file could not be used; it was renamed and a new table began
        NotSaved,   // the location could not be written; the results wait in memory
        Unreadable, // the file is there but cannot be read; left alone, the results wait in memory
        Busy,       // another copy of the game is saving; the results wait in memory
    };

    // The table at `path`.
    explicit ScoreFile(const QString &path);

    // Where the game keeps it: scores.json in the program's data folder, kaludnik in
    // $XDG_DATA_HOME, or in ~/.local/share where that is unset, empty or relative.
    static QString defaultPath();

    // Reads the table afresh, with the results of this run that wait to be written. A missing
    // file is an empty table; a file that cannot be read leaves the table as it was.
    Status load();
    // Adds a result under `name`, which becomes the last name stored, and writes the table; a
    // result that could not be written stays in the table of this run and is written with the
    // next successful save.
    Status add(ScoreEntry entry, const QString &name);
    // A finished game: read afresh, it is stored at once if it makes the table, under the last
    // name stored or, where none was, `fallbackName`, and `stored` says how; else nothing.
    Status addGame(ScoreEntry game, const QString &fallbackName, std::optional<ScoreEntry> &stored);
    // Names the row of `game` `name`, here and in the file, and makes it the last name stored.
    // A row that is no longer in the file (deleted or replaced meanwhile) is stored again, where
    // it still makes the table as the file now stands.
    Status rename(const ScoreEntry &game, const QString &name);
    // Tries again to write the results and names that wait in memory.
    Status retry();

    const ScoreTable &table() const { return m_table; }
    QString lastName() const { return m_lastName; }
    bool hasUnsaved() const { return !m_unsaved.isEmpty() || !m_renames.isEmpty(); }

private:
    struct Contents {
        ScoreTable table;
        QString lastName;
    };
    enum class ReadResult { Read, Missing, Unusable, Unreadable, Blocked };

    ReadResult read(Contents &contents) const;
    // This run's unwritten results and names, put into `table`, where they fit.
    void withThisRun(ScoreTable &table) const;
    // Takes what was read as the table, with this run's unwritten results put in.
    void adopt(const Contents &contents);
    bool write(const Contents &contents) const;
    bool setAside();
    Status mergeAndWrite();

    QString m_path;
    ScoreTable m_table;
    QString m_lastName;
    QString m_lastNamedId; // the row that bears m_lastName: the name is stored only with it
    QList<ScoreEntry> m_unsaved;
    QHash<QString, ScoreEntry> m_renames; // rows written already, by id, under their new names
};
