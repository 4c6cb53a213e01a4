#pragma once

#include "scoretable.h"

#include <QList>
#include <QString>

#include <utility>

// The table kept on disk: one small versioned JSON document,
//   {"version": 1, "lastName": "…", "scores": [{"name": "…", "score": 120,
//    "achieved": "2026-12-07T16:30:00Z"}, …]}
// Every write replaces the whole file at once (a crash leaves the old file or the new one),
// and every change is read, merged and written under a lock file, so that two copies of the
// game running at once keep each other's results.
class ScoreFile {
public:
    static constexpr int Version = 1;
    static constexpr qint64 MaxBytes = 1024 * 1024;

    enum class Status {
        Ok,
        SetAside,   // the file could not be used; it was renamed and a new table began
        NotSaved,   // the location could not be written; the results wait in memory
        Unreadable, // the file is there but cannot be read; left alone, the results wait in memory
    };

    explicit ScoreFile(const QString &path);

    // Where the game keeps it: scores.json in the program's data folder.
    static QString defaultPath();

    // Reads the table on first use; later calls change nothing. A missing file is an empty
    // table.
    Status load();
    // Adds a result and writes the table; a result that could not be written stays in the
    // table of this run and is written with the next successful save.
    Status add(const ScoreEntry &entry, const QString &name);
    // Tries again to write the results that wait in memory.
    Status retry();

    const ScoreTable &table() const { return m_table; }
    QString lastName() const { return m_lastName; }
    bool hasUnsaved() const { return !m_unsaved.isEmpty(); }
    // Where the last unusable file was put, if any.
    QString setAsidePath() const { return m_setAsidePath; }
    // True once after a file was set aside, for the one who tells the player.
    bool takeSetAsideNotice() { return std::exchange(m_setAsideNotice, false); }
    QString path() const { return m_path; }

private:
    struct Contents {
        ScoreTable table;
        QString lastName;
    };
    enum class ReadResult { Read, Missing, Unusable, Unreadable, Blocked };

    ReadResult read(Contents &contents) const;
    bool write(const Contents &contents) const;
    bool setAside();
    void removeLeftovers() const;
    Status mergeAndWrite();

    QString m_path;
    bool m_loaded = false;
    ScoreTable m_table;
    QString m_lastName;
    QList<ScoreEntry> m_unsaved;
    QString m_setAsidePath;
    bool m_setAsideNotice = false;
};
