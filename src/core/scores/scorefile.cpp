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

#include <algorithm>

namespace {

bool possibleScore(const QJsonValue &value)
{
    if (!value.isDouble())
        return false;
    const double score = value.toDouble();
    return score > 0 && score <= Board::MaxScore && score == double(int(score)) &&
           int(score) % int(Board::PointsPerClick) == 0;
}

// The lock beside the table at `path`.
QString lockOf(const QString &path)
{
    return path + QStringLiteral(".lock");
}

} // namespace

ScoreFile::ScoreFile(const QString &path) : m_path(path) {}

QString ScoreFile::defaultPath()
{
    return UserFiles::xdgFolder("XDG_DATA_HOME", ".local/share") +
           QStringLiteral("/%1/scores.json").arg(QLatin1String(AppInfo::Executable));
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
        // Never a row without its date: the date's text is empty where Qt can no longer write
        // one (at the process's exit), and a file with such a row could not be read back.
        const QString achieved = entry.achieved.toUTC().toString(Qt::ISODate);
        if (achieved.isEmpty())
            return false;
        QJsonObject row{{QLatin1String("name"), entry.name},
                        {QLatin1String("score"), entry.score},
                        {QLatin1String("achieved"), achieved}};
        if (!entry.id.isEmpty())
            row.insert(QLatin1String("id"), entry.id);
        scores.append(row);
    }
    const QJsonObject root{{QLatin1String("version"), Version},
                           {QLatin1String("lastName"), contents.lastName},
                           {QLatin1String("scores"), scores}};
    return UserFiles::replaceWhole(m_path, QJsonDocument(root).toJson(QJsonDocument::Indented));
}

bool ScoreFile::setAside()
{
    // Kept for whoever wants to look at it, under a name that says when it was found; where the
    // table is a link, the file it points to goes aside and the link stays.
    const QString file = QFileInfo(m_path).canonicalFilePath();
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
    QLockFile lock(lockOf(m_path));
    lock.setStaleLockTime(UserFiles::StaleLockMs);
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
        if (!lock.tryLock(0))
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
        entry.id = UserFiles::randomLetters(12);
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
    game.id = UserFiles::randomLetters(12);
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
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return Status::NotSaved;
    QLockFile lock(lockOf(m_path));
    lock.setStaleLockTime(UserFiles::StaleLockMs);
    // Never waited for here: the keeper tries again, and answers what asks meanwhile.
    if (!lock.tryLock(0))
        return lock.error() == QLockFile::LockFailedError ? Status::Busy : Status::NotSaved;
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
