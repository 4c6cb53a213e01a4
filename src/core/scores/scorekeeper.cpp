// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scorekeeper.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// How soon a save that found the lock taken tries again.
constexpr std::chrono::milliseconds RetryInterval{20};
// How long the end waits for the last try's write beyond FinishWait, before it gives it up.
constexpr std::chrono::milliseconds LastWriteWait{500};

} // namespace

// The keeper's half on its own thread: the file, and the saves that wait for the lock.
class ScoreWorker : public QObject {
    Q_OBJECT

public:
    ScoreWorker(const QString &path, std::chrono::milliseconds lockWait,
                ScoreKeeper::Progress &progress)
        : m_file(path), m_record(QFileInfo(path).dir().filePath(QStringLiteral("games.log"))),
          m_lockWait(lockWait), m_progress(progress), m_retryTimer(new QTimer(this))
    {
        m_retryTimer->setSingleShot(true);
        m_retryTimer->setInterval(RetryInterval);
        connect(m_retryTimer, &QTimer::timeout, this, [this] { settle(m_file.retry()); });
    }

    // Reads the file afresh, then tries again to write what waits, unless a save is already
    // waiting for its turn.
    void read()
    {
        countGames();
        answer(ScoreKeeper::Request::Read, m_file.load(), QString());
        if (m_file.hasUnsaved() && m_waiting.isEmpty())
            retry();
    }

    void addGame(const FinishedGame &game, const QString &fallbackName)
    {
        // Counted first, in a write of its own: the table's may wait for the lock.
        m_uncounted.append(game);
        countGames();
        std::optional<ScoreEntry> stored;
        const ScoreFile::Status status =
            m_file.addGame({QString(), game.score, game.ended, QString()}, fallbackName, stored);
        m_waiting.append({ScoreKeeper::Request::AddGame, stored ? stored->id : QString()});
        settle(status);
    }

    void rename(const ScoreEntry &entry, const QString &name)
    {
        countGames();
        m_waiting.append({ScoreKeeper::Request::Rename, entry.id});
        settle(m_file.rename(entry, name));
    }

    void retry()
    {
        countGames();
        m_waiting.append({ScoreKeeper::Request::Retry, QString()});
        settle(m_file.retry());
    }

    // The keeper is going: whatever waits in memory, answered already or not, gets its last
    // tries while another copy holds the lock, until `deadline`; then the thread ends.
    void finish(QDeadlineTimer deadline)
    {
        m_retryTimer->stop();
        m_waiting.clear(); // nobody is left to answer
        for (;;) {
            const bool recordBusy = countGames() == GameRecord::Status::Busy;
            const bool tableBusy = m_file.hasUnsaved() && m_file.retry() == ScoreFile::Status::Busy;
            if (!(recordBusy || tableBusy) || deadline.hasExpired())
                break;
            QThread::msleep(
                ulong(std::min(qint64(RetryInterval.count()), deadline.remainingTime())));
        }
        QThread::currentThread()->quit();
    }

    // After each request, and each try of a save that waits.
    void reportProgress() { m_progress.unsaved = unsaved() || !m_waiting.isEmpty(); }

Q_SIGNALS:
    void answered(const ScoreKeeper::Answer &answer);

private:
    struct Waiting {
        ScoreKeeper::Request request;
        QString id; // of the game's row, if the request has one
    };

    // Answers the saves asked for, or, while another copy of the game holds the lock and the
    // wait is not over, tries again soon; requests that come meanwhile are served in between.
    void settle(ScoreFile::Status status)
    {
        reportProgress();
        if (status == ScoreFile::Status::Busy) {
            if (!m_giveUpAt)
                m_giveUpAt = QDeadlineTimer(m_lockWait);
            if (!m_giveUpAt->hasExpired()) {
                m_retryTimer->start();
                return;
            }
            status = ScoreFile::Status::NotSaved;
        }
        m_retryTimer->stop();
        m_giveUpAt.reset();
        for (const Waiting &waiting : std::exchange(m_waiting, {}))
            answer(waiting.request, status, waiting.id);
    }

    bool unsaved() const { return m_file.hasUnsaved() || !m_uncounted.isEmpty(); }

    // Writes the finished games not yet in the record, in their order, as far as it can.
    GameRecord::Status countGames()
    {
        while (!m_uncounted.isEmpty()) {
            if (const GameRecord::Status status = m_record.append(m_uncounted.first());
                status != GameRecord::Status::Ok)
                return status;
            m_uncounted.removeFirst();
        }
        return GameRecord::Status::Ok;
    }

    void answer(ScoreKeeper::Request request, ScoreFile::Status status, const QString &id)
    {
        ScoreKeeper::Answer answer;
        answer.request = request;
        answer.status = status;
        answer.table = m_file.table();
        answer.lastName = m_file.lastName();
        answer.unsaved = unsaved();
        answer.record = m_record.read();
        const ScoreEntry *entry = answer.table.find(id);
        if (entry)
            answer.entry = *entry;
        // A row that others' better results pushed out between the reading and the writing.
        answer.kept = id.isEmpty() || entry;
        Q_EMIT answered(answer);
    }

    ScoreFile m_file;
    GameRecord m_record;
    QList<FinishedGame> m_uncounted; // finished games the record does not hold yet
    const std::chrono::milliseconds m_lockWait;
    ScoreKeeper::Progress &m_progress;
    QTimer *m_retryTimer;
    QList<Waiting> m_waiting;
    std::optional<QDeadlineTimer> m_giveUpAt;
};

ScoreKeeper::ScoreKeeper(const QString &path, std::chrono::milliseconds lockWait, QObject *parent)
    : QObject(parent), m_thread(new QThread), m_worker(new ScoreWorker(path, lockWait, m_progress))
{
    m_thread->setObjectName(QStringLiteral("scores"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(
        m_worker, &ScoreWorker::answered, this,
        [this](const Answer &answer) {
            m_latest = answer;
            Q_EMIT answered(answer);
        },
        Qt::QueuedConnection);
    // The file is not touched before the first request.
    m_thread->start();
}

ScoreKeeper::~ScoreKeeper()
{
    finish();
}

bool ScoreKeeper::finish()
{
    if (m_thread) {
        const QDeadlineTimer deadline(FinishWait);
        ask([deadline](ScoreWorker &worker) { worker.finish(deadline); }, false);
        if (m_thread->wait(QDeadlineTimer(FinishWait + LastWriteWait)))
            delete m_thread; // the worker went with the thread's end
        // Else a write has not come back from the disk: the thread is left to end with the
        // program; the answer it may still send has nobody to go to.
        m_thread = nullptr;
    }
    return allWritten();
}

bool ScoreKeeper::allWritten() const
{
    // Each run is counted after its state is reported: all run, the state is theirs or later.
    return m_progress.savesRun == m_progress.savesAsked && !m_progress.unsaved;
}

void ScoreKeeper::read()
{
    ask([](ScoreWorker &worker) { worker.read(); }, false);
}

void ScoreKeeper::addGame(const FinishedGame &game, const QString &fallbackName)
{
    ask([game, fallbackName](ScoreWorker &worker) { worker.addGame(game, fallbackName); }, true);
}

void ScoreKeeper::rename(const ScoreEntry &entry, const QString &name)
{
    ask([entry, name](ScoreWorker &worker) { worker.rename(entry, name); }, true);
}

void ScoreKeeper::retry()
{
    ask([](ScoreWorker &worker) { worker.retry(); }, true);
}

void ScoreKeeper::ask(std::function<void(ScoreWorker &)> request, bool save)
{
    if (!m_thread)
        return; // finished
    if (save)
        ++m_progress.savesAsked;
    ScoreWorker *worker = m_worker;
    QMetaObject::invokeMethod(
        m_worker,
        [worker, request = std::move(request), save, &progress = m_progress] {
            request(*worker);
            worker->reportProgress();
            if (save)
                ++progress.savesRun;
        },
        Qt::QueuedConnection);
}

#include "scorekeeper.moc"
