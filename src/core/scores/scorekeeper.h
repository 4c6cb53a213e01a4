// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "scorefile.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <optional>

class QThread;
class ScoreWorker;

// The score file, kept on a thread of its own: reading, waiting for another copy of the game
// to finish its save, and writing never hold up the thread that asks. Each request returns at
// once and is answered by answered() on the keeper's own thread: a save that waits for the lock
// is answered once it is written or given up, and requests asked meanwhile are answered first.
class ScoreKeeper : public QObject {
    Q_OBJECT

public:
    enum class Request { Read, AddGame, Rename, Retry };

    struct Answer {
        Request request = Request::Read;
        ScoreFile::Status status = ScoreFile::Status::Ok; // never Busy: that one is waited out
        ScoreTable table;
        QString lastName;
        bool unsaved = false; // results or names of this run wait in memory to be written
        // For AddGame and Rename: the game's row as it is now; none for a game that did not
        // make the table.
        std::optional<ScoreEntry> entry;
        bool kept = true; // the row holds its place in the table
    };

    // How long a save waits for another copy of the game to finish its own before it is
    // answered NotSaved; its results then wait for the next request.
    static constexpr std::chrono::milliseconds LockWait{2500};
    // How long the keeper's end gives the results and names that still wait to be written.
    static constexpr std::chrono::milliseconds FinishWait{1000};

    // The file at `path`, the bytes of its name (ScoreFile).
    explicit ScoreKeeper(const QByteArray &path, std::chrono::milliseconds lockWait = LockWait,
                         QObject *parent = nullptr);
    explicit ScoreKeeper(const QString &path, std::chrono::milliseconds lockWait = LockWait);
    // As finish().
    ~ScoreKeeper() override;

    // Gives what was asked for and still waits to be written its last tries, for at most
    // FinishWait, and ends the keeper's thread; nothing more is asked after. The file is whole
    // either way: the old one stays until the new one is renamed over it.
    void finish();

    // Reads the file afresh, and tries again to write what waits in memory.
    void read();
    // Stores a finished game at once if it makes the table (ScoreFile::addGame).
    void addGame(const ScoreEntry &game, const QString &fallbackName);
    // Gives the row of `entry` the name `name`.
    void rename(const ScoreEntry &entry, const QString &name);
    // Tries again to write what waits in memory.
    void retry();

    // The last answer; before the first one, an empty table.
    const Answer &latest() const { return m_latest; }

Q_SIGNALS:
    void answered(const ScoreKeeper::Answer &answer);

private:
    // Runs `request` on the keeper's thread, which starts with the first one.
    void ask(std::function<void(ScoreWorker &)> request);

    QThread *m_thread;
    ScoreWorker *m_worker; // lives on m_thread
    Answer m_latest;
};
