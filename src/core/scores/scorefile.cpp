// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scorefile.h"

#include "appinfo.h"
#include "board/board.h"
#include "files/userfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSysInfo>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save holds the lock for milliseconds, so a lock this old without its owner's details was
// left by a copy of the game that died while taking it (one that dies holding it is seen as
// gone at once, by its process id), and QLockFile removes it.
constexpr int StaleLockMs = 2000;

bool possibleScore(const QJsonValue &value)
{
    if (!value.isDouble())
        return false;
    const double score = value.toDouble();
    return score > 0 && score <= Board::MaxScore && score == double(int(score)) &&
           int(score) % int(Board::PointsPerClick) == 0;
}

QString dateText(const QDateTime &when)
{
    return when.toUTC().toString(Qt::ISODate);
}

// Where QLockFile puts its marker while it removes a stale lock.
QString markerOf(const QLockFile &lock)
{
    return lock.fileName() + QStringLiteral(".rmlock");
}

// Whether the lock was written on another machine that shares the folder: whether its owner
// lives can then be told only by the advisory lock it holds.
bool fromAnotherHost(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    return lock.getLockInfo(&pid, &host, nullptr) && !host.isEmpty() &&
           host != QSysInfo::machineHostName();
}

// After QLockFile::tryLock() failed, which removes a lock whose owner is gone wherever it can:
// whether the lock, of this host or `fromAnotherHost`, is held by a copy of the game that is
// saving, or is about to be, and so worth waiting for.
bool heldByAnotherCopy(const QLockFile &lock, bool fromAnotherHost)
{
    const QFileInfo info(lock.fileName());
    const bool young =
        info.isFile() &&
        qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) <= StaleLockMs;
    qint64 pid = 0;
    if (fromAnotherHost)
        return young; // an older one is taken over below if nobody holds it locked
    if (lock.getLockInfo(&pid, nullptr, nullptr))
        return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
    // No owner written yet: a copy between creating its lock and writing into it, unless the
    // lock is older than that could take, or no file at all.
    return young;
}

enum class Stale { Removed, Held, Kept };

// A lock that no living copy of the game holds, taken away, whatever the lock file's own mode:
// QLockFile removes it only where it can open it for writing. QLockFile's owner holds an
// advisory lock on its lock file for as long as it lives, so one that can be locked, and is
// still the file that was examined, is nobody's. Where that is the only proof (a lock of
// another host, whose process cannot be asked), a lock that cannot be locked, for whatever
// reason, counts as held: on a file system without working locks, age proves nothing.
Stale removeStaleLock(const QString &path, bool onlyProof)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (onlyProof)
            return Stale::Held;
        return errno == EACCES && ::unlink(name.constData()) == 0 ? Stale::Removed // unreadable
                                                                  : Stale::Kept;
    }
    Stale result = Stale::Kept;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
            result = errno == EWOULDBLOCK || onlyProof ? Stale::Held : Stale::Kept;
        else if (::stat(name.constData(), &named) == 0 && named.st_ino == opened.st_ino &&
                 named.st_dev == opened.st_dev && ::unlink(name.constData()) == 0)
            result = Stale::Removed;
    }
    ::close(fd);
    return result;
}

enum class Lock { Taken, Busy, Blocked };

// Takes the lock beside the table, at once or not at all. What stands in its place, or in the
// place of the marker that QLockFile opens while it removes a stale lock, and is not a regular
// file (a FIFO, a folder, a device, a link) is never opened, as opening a FIFO would wait for a
// writer for ever: it blocks every save, and is named on stderr for whoever can remove it.
Lock takeLock(QLockFile &lock)
{
    for (const QString &path : {lock.fileName(), markerOf(lock)}) {
        struct stat found {};
        if (::lstat(QFile::encodeName(path).constData(), &found) == 0 && !S_ISREG(found.st_mode)) {
            qWarning("%s: %s, beside the score file, is not a file; results are not saved",
                     AppInfo::DisplayName, qUtf8Printable(path));
            return Lock::Blocked;
        }
    }
    if (lock.tryLock(0))
        return Lock::Taken;
    if (lock.error() != QLockFile::LockFailedError)
        return Lock::Blocked;
    const bool otherHost = fromAnotherHost(lock);
    if (heldByAnotherCopy(lock, otherHost))
        return Lock::Busy;
    switch (removeStaleLock(lock.fileName(), otherHost)) {
    case Stale::Removed:
        return lock.tryLock(0) ? Lock::Taken : Lock::Blocked;
    case Stale::Held:
        return Lock::Busy;
    case Stale::Kept:
        break;
    }
    return Lock::Blocked;
}

} // namespace

ScoreFile::ScoreFile(const QByteArray &nativePath) : m_nativePath(nativePath) {}

ScoreFile::ScoreFile(const QString &path) : ScoreFile(QFile::encodeName(path)) {}

ScoreFile::~ScoreFile()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

QByteArray ScoreFile::defaultPath()
{
    return UserFiles::xdgFolder("XDG_DATA_HOME", ".local/share") + '/' + AppInfo::Executable +
           "/scores.json";
}

void ScoreFile::reach(bool create)
{
    if (m_folder >= 0)
        ::close(std::exchange(m_folder, -1));
    m_path = QFile::decodeName(m_nativePath);
    if (QFile::encodeName(m_path) == m_nativePath)
        return;
    // Qt names files in UTF-8. A folder whose name is not (an older system's Latin-1 home) is
    // reached through a handle on its bytes, opened afresh for each use.
    const qsizetype slash = m_nativePath.lastIndexOf('/');
    const QByteArray folder = m_nativePath.left(slash);
    if (create)
        UserFiles::makeFolders(folder);
    m_folder = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    m_path = QStringLiteral("/proc/self/fd/%1/").arg(m_folder) +
             QFile::decodeName(m_nativePath.mid(slash + 1));
}

ScoreFile::ReadResult ScoreFile::read(Contents &contents) const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return ReadResult::Missing;
    if (!info.isFile())
        return ReadResult::Blocked; // a folder or a device in its place: nothing to set aside
    // A file that cannot be read (no permission, an I/O error) says nothing about its contents:
    // it may be whole, so it is neither set aside nor written over.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    if (file.size() > MaxBytes)
        return ReadResult::Unusable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Unreadable;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return ReadResult::Unusable;
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("version")) != QJsonValue(Version))
        return ReadResult::Unusable;
    const QJsonValue lastName = root.value(QLatin1String("lastName"));
    const QJsonValue scores = root.value(QLatin1String("scores"));
    if (!(lastName.isString() || lastName.isUndefined()) || !scores.isArray() ||
        scores.toArray().size() > ScoreTable::Size)
        return ReadResult::Unusable;

    Contents read;
    read.lastName = PlayerName::clean(lastName.toString());
    for (const QJsonValue &value : scores.toArray()) {
        const QJsonObject object = value.toObject();
        const QJsonValue name = object.value(QLatin1String("name"));
        const QJsonValue score = object.value(QLatin1String("score"));
        const QDateTime achieved =
            QDateTime::fromString(object.value(QLatin1String("achieved")).toString(), Qt::ISODate);
        const QJsonValue id = object.value(QLatin1String("id")); // none in older files
        if (!value.isObject() || !name.isString() || !possibleScore(score) || !achieved.isValid() ||
            !(id.isString() || id.isUndefined()))
            return ReadResult::Unusable;
        const QString cleanName = PlayerName::clean(name.toString());
        if (cleanName.isEmpty())
            return ReadResult::Unusable;
        read.table.insert({cleanName, score.toInt(), achieved.toUTC(), id.toString()});
    }
    contents = read;
    return ReadResult::Read;
}

bool ScoreFile::write(const Contents &contents) const
{
    QJsonArray scores;
    for (const ScoreEntry &entry : contents.table.entries()) {
        QJsonObject row{{QLatin1String("name"), entry.name},
                        {QLatin1String("score"), entry.score},
                        {QLatin1String("achieved"), dateText(entry.achieved)}};
        if (!entry.id.isEmpty())
            row.insert(QLatin1String("id"), entry.id);
        scores.append(row);
    }
    const QJsonObject root{{QLatin1String("version"), Version},
                           {QLatin1String("lastName"), contents.lastName},
                           {QLatin1String("scores"), scores}};
    return UserFiles::replaceWhole(QFile::encodeName(m_path),
                                   QJsonDocument(root).toJson(QJsonDocument::Indented));
}

void ScoreFile::removeLeftovers() const
{
    // A save cut short (a crash, a power cut) leaves its unfinished copy beside the file.
    // Under the lock nobody else is writing one, so every copy found now is such a leftover.
    // Only this program's own name is looked for: the player's files beside the table stay.
    // They stand beside the file itself, where the table is a link to it.
    const QFileInfo file(QFile::decodeName(UserFiles::resolved(QFile::encodeName(m_path))));
    QDir folder = file.absoluteDir();
    const QStringList leftovers = folder.entryList(
        {file.fileName() + QLatin1String(UserFiles::TemporaryInfix) + QStringLiteral("??????")},
        QDir::Files | QDir::Hidden);
    for (const QString &leftover : leftovers)
        folder.remove(leftover);
}

bool ScoreFile::setAside()
{
    // Kept for whoever wants to look at it, under a name that says when it was found; where the
    // table is a link, the file it points to goes aside and the link stays.
    const QString file = QFile::decodeName(UserFiles::resolved(QFile::encodeName(m_path)));
    return QFile::rename(
        file, file + QStringLiteral(".unusable-") +
                  QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
}

void ScoreFile::withThisRun(ScoreTable &table) const
{
    // A renamed row that the file no longer holds goes back in, unless better games took its
    // place.
    for (const ScoreEntry &renamed : m_renames) {
        if (!table.rename(renamed.id, renamed.name))
            table.insert(renamed);
    }
    for (const ScoreEntry &entry : m_unsaved)
        table.insert(entry);
}

void ScoreFile::adopt(const Contents &contents)
{
    m_table = contents.table;
    withThisRun(m_table);
    if (!hasUnsaved()) // else this run's name is the one still to be written
        m_lastName = contents.lastName;
}

ScoreFile::Status ScoreFile::load()
{
    // The file as it is; an unusable one is read again under the lock before it is set aside:
    // another copy of the game may be putting a whole table in its place right now, and that
    // one must not go aside. A copy that holds the lock sets it aside itself if it has to;
    // until then this run keeps the table it has.
    reach(false);
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    for (bool locked = false;; locked = true) {
        Contents contents;
        switch (read(contents)) {
        case ReadResult::Read:
        case ReadResult::Missing:
            adopt(contents);
            return Status::Ok;
        case ReadResult::Blocked:
            return Status::NotSaved;
        case ReadResult::Unreadable:
            return Status::Unreadable;
        case ReadResult::Unusable:
            break;
        }
        if (locked)
            break;
        if (takeLock(lock) != Lock::Taken)
            return Status::Ok;
    }
    // Never overwritten silently: set aside, or, where even that fails, left alone until a
    // save can set it aside.
    if (!setAside())
        return Status::NotSaved;
    adopt(Contents{});
    return Status::SetAside;
}

ScoreFile::Status ScoreFile::add(ScoreEntry entry, const QString &name)
{
    if (entry.id.isEmpty())
        entry.id = QString::fromLatin1(UserFiles::randomLetters(12));
    m_unsaved.append(entry);
    m_table.insert(entry);
    m_lastName = name;
    m_lastNamedId = entry.id;
    return mergeAndWrite();
}

ScoreFile::Status ScoreFile::addGame(ScoreEntry game, const QString &fallbackName,
                                     std::optional<ScoreEntry> &stored)
{
    stored.reset();
    const Status read = load();
    if (!m_table.qualifies(game.score))
        return read;
    game.name = PlayerName::isBlank(m_lastName) ? fallbackName : m_lastName;
    game.id = QString::fromLatin1(UserFiles::randomLetters(12));
    stored = game;
    const Status written = add(game, game.name);
    return written == Status::Ok ? read : written;
}

ScoreFile::Status ScoreFile::rename(const ScoreEntry &game, const QString &name)
{
    // A result not written yet takes the name itself; one in the file is renamed there, in
    // its own row alone, whatever else other copies of the game have written meanwhile.
    const auto unsaved =
        std::find_if(m_unsaved.begin(), m_unsaved.end(),
                     [&game](const ScoreEntry &entry) { return entry.id == game.id; });
    if (unsaved != m_unsaved.end()) {
        unsaved->name = name;
    } else {
        ScoreEntry renamed = game;
        renamed.name = name;
        m_renames.insert(game.id, renamed);
    }
    m_table.rename(game.id, name);
    m_lastName = name;
    m_lastNamedId = game.id;
    return mergeAndWrite();
}

ScoreFile::Status ScoreFile::retry()
{
    return hasUnsaved() ? mergeAndWrite() : Status::Ok;
}

ScoreFile::Status ScoreFile::mergeAndWrite()
{
    reach(true);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return Status::NotSaved;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    switch (takeLock(lock)) {
    case Lock::Taken:
        break;
    case Lock::Busy:
        return Status::Busy;
    case Lock::Blocked:
        return Status::NotSaved;
    }

    removeLeftovers();
    // What other copies of the game wrote since, with this run's results merged in.
    Status status = Status::Ok;
    Contents merged;
    switch (read(merged)) {
    case ReadResult::Read:
    case ReadResult::Missing:
        break;
    case ReadResult::Blocked:
        return Status::NotSaved;
    case ReadResult::Unreadable:
        return Status::Unreadable;
    case ReadResult::Unusable:
        if (!setAside())
            return Status::NotSaved;
        merged = Contents{};
        status = Status::SetAside;
        break;
    }
    withThisRun(merged.table);
    // The name given last is kept for the next game only with a row that bears it: a game that
    // better ones pushed out leaves the last name as the file has it.
    if (merged.table.find(m_lastNamedId))
        merged.lastName = m_lastName;
    if (!write(merged))
        return Status::NotSaved;
    m_unsaved.clear();
    m_renames.clear();
    m_table = merged.table;
    m_lastName = merged.lastName;
    return status;
}
