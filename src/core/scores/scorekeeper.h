// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "gamerecord.h"
#include "scorefile.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

class QThread;
class ScoreWorker;

// The score file, kept on a thread of its own: reading, waiting for another copy of the game
// to finish its save, and writing never hold up the thread that asks. Each request returns at
// once and is answered by answered() on the keeper's own thread. While a save waits for the
// lock, a read asked meanwhile is answered at once, and a save asked meanwhile joins the wait
// and is answered with it, once they are written or given up.
class ScoreKeeper : public QObject {
    Q_OBJECT

public:
    enum class Request { Read, AddGame, Rename, Retry };

    struct Answer {
        Request request = Request::Read;
        ScoreFile::Status status = ScoreFile::Status::Ok; // never Busy: that one is waited out
        ScoreTable table;
        QString lastName;
        bool unsaved = false; // results, names or games of this run wait in memory
        // For AddGame and Rename: the game's row as it is now; none for a game that did not
        // make the table.
        std::optional<ScoreEntry> entry;
        bool kept = true;     // the row holds its place in the table
        RecordSummary record; // every game counted, as the record holds them now
    };

    // How long a save waits for another copy of the game to finish its own before it is
    // answered NotSaved; its results then wait for the next request.
    static constexpr std::chrono::milliseconds LockWait{2500};
    // How long the keeper's end gives the results and names that still wait to be written:
    // within the five seconds that the end of the program allows itself.
    static constexpr std::chrono::milliseconds FinishWait{4000};

    explicit ScoreKeeper(const QString &path, std::chrono::milliseconds lockWait = LockWait,
                         QObject *parent = nullptr);
    // As finish().
    ~ScoreKeeper() override;

    // Gives what was asked for and still waits to be written its last tries, for about
    // FinishWait, and ends the keeper's thread; nothing more is asked after. Returns
    // allWritten(). The file is whole either way.
    bool finish();
    // Whether every result and name asked to be stored is written. Safe from any thread, and
    // where the process is ending (it uses nothing of Qt).
    bool allWritten() const;

    // Reads the file afresh, and tries again to write what waits in memory.
    void read();
    // Counts a finished game in the record (GameRecord), and stores it at once if it makes the
    // table (ScoreFile::addGame).
    void addGame(const FinishedGame &game, const QString &fallbackName);
    // Gives the row of `entry` the name `name`.
    void rename(const ScoreEntry &entry, const QString &name);
    // Tries again to write what waits in memory.
    void retry();

    // The last answer; before the first one, an empty table.
    const Answer &latest() const { return m_latest; }

Q_SIGNALS:
    void answered(const ScoreKeeper::Answer &answer);

public:
    // What the keeper's thread has done of what was asked, for allWritten().
    struct Progress {
        std::atomic<int> savesAsked{0};
        std::atomic<int> savesRun{0};
        std::atomic<bool> unsaved{false}; // results or names wait in memory after the last run
    };

private:
    // Runs `request` on the keeper's thread; `save`: it asks for something to be written.
    void ask(std::function<void(ScoreWorker &)> request, bool save);

    Progress m_progress; // before the worker, which reports into it
    QThread *m_thread;
    ScoreWorker *m_worker; // lives on m_thread
    Answer m_latest;
};
