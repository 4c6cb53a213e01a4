// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The table of best results and its file, which must never lose a result: a crash while saving
// leaves the old file or the new one, two copies of the game keep each other's results, and a
// file that cannot be used is set aside, never overwritten.
#include "scores/gamerecord.h"
#include "scores/scorefile.h"
#include "scores/scorekeeper.h"
#include "settings/settings.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <random>

#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ScoreEntry entry(const QString &name, int score, int minute = 0)
{
    return {name, score, QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC).addSecs(60 * minute),
            name};
}

QStringList names(const ScoreTable &table)
{
    QStringList result;
    for (const ScoreEntry &kept : table.entries())
        result << kept.name;
    return result;
}

// Waits for the keeper's next answer; the bound is only there to end a test that is failing.
bool nextAnswer(QSignalSpy &answers)
{
    return answers.wait(60000);
}

// Run as a child: `count` games (0: for ever) stored as the game stores them, each followed by
// a rename of the last one stored to `who` and its score, which writes the file each time.
// Only "a" and "b" ever reach the top five: a with 1710, 1690, 1670, b with 1700 and 1680.
int addResults(const QString &path, const QString &who, int count)
{
    ScoreKeeper keeper(path);
    QSignalSpy answers(&keeper, &ScoreKeeper::answered);
    std::mt19937 random{quint32(qHash(who))};
    const QHash<QString, QMap<int, int>> top{{"a", {{50, 1710}, {120, 1690}, {199, 1670}}},
                                             {"b", {{10, 1700}, {150, 1680}}}};
    // The other copy may keep the lock past the keeper's wait on a busy machine: tried again,
    // as the game's OK does, until it is saved. The first answer tells what was stored.
    std::optional<ScoreEntry> last;
    const auto saved = [&] {
        for (bool first = true; nextAnswer(answers); first = false) {
            if (first && keeper.latest().request == ScoreKeeper::Request::AddGame &&
                keeper.latest().entry)
                last = keeper.latest().entry;
            if (keeper.latest().status != ScoreFile::Status::NotSaved)
                return keeper.latest().status == ScoreFile::Status::Ok;
            keeper.retry();
        }
        return false;
    };
    for (int i = 0; count == 0 || i < count; ++i) {
        const int score = top.value(who).value(i, 10 * int(1 + random() % 150));
        keeper.addGame({score, entry(QString(), score, i).achieved, std::chrono::seconds(9)}, who);
        if (!saved())
            return 1;
        if (last)
            keeper.rename(*last, who + QString::number(last->score));
        if (last && !saved())
            return 1;
        if (i == 0) { // saving from now on
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}

// Run as a child: one save of a result under a file-size limit of `bytes`, the way a nearly
// full disk cuts a write short. With `signal` "ignore" the write fails with EFBIG; with
// "default" the process dies of SIGXFSZ half way, as a save cut short by a crash.
int addOverLimit(const QString &path, int bytes, const QString &signal)
{
    const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    const rlimit noCore{0, 0};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0 || setrlimit(RLIMIT_CORE, &noCore) != 0)
        return 100;
    std::signal(SIGXFSZ, signal == QLatin1String("ignore") ? SIG_IGN : SIG_DFL);
    ScoreFile file(path);
    file.load();
    return int(file.add(entry("late", 1000, 9), "late"));
}

// Run as a child: reads and saves a table that this user may not read, and prints the two
// statuses and the names the table holds for this run. Root reads every file, so root first
// becomes nobody.
int addAsNobody(const QString &path)
{
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        return 100;
    // LeakSanitizer's check at exit traces this process, which a changed user forbids.
    prctl(PR_SET_DUMPABLE, 1);
    ScoreFile file(path);
    const ScoreFile::Status loaded = file.load();
    const ScoreFile::Status added = file.add(entry("late", 1000, 9), "late");
    std::printf("%d %d %s\n", int(loaded), int(added), qPrintable(names(file.table()).join(',')));
    return 0;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ScoresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void tableKeepsTheFiveBestOlderFirst();
    void namesAreCleaned_data();
    void namesAreCleaned();
    void unusableFileIsSetAside_data();
    void unusableFileIsSetAside();
    void unwritableLocationKeepsTheResult_data();
    void unwritableLocationKeepsTheResult();
    void aSaveCutShortKeepsTheOldFile_data();
    void aSaveCutShortKeepsTheOldFile();
    void anUnreadableFileIsLeftAlone();
    void aTakenLockIsWaitedForOffTheCallersThread();
    void theDataFolderFollowsTheXdgRules();
    void theSettingsKeepTheSoundChoice_data();
    void theSettingsKeepTheSoundChoice();
    void theRecordCountsEveryGame_data();
    void theRecordCountsEveryGame();
    void killedWhileSavingLeavesAWholeFile();
    void twoCopiesKeepEachOthersResults();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("kaludnik/scores.json")); }
    void startAdding(QProcess &process, const char *who, int count) const
    {
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--add"), path(), who, QString::number(count)});
    }

    // Five results on disk, and what the file holds.
    QByteArray fullTable() const
    {
        ScoreFile file(path());
        file.load();
        for (int i = 0; i < ScoreTable::Size; ++i)
            file.add(entry(QStringLiteral("p%1").arg(i), 1500 + 10 * i, i), "p");
        return contents(path());
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void ScoresTest::tableKeepsTheFiveBestOlderFirst()
{
    ScoreTable table;
    QVERIFY(!table.qualifies(0));
    QCOMPARE(table.insert(entry("first", 100, 1)), 0);
    QCOMPARE(table.insert(entry("better", 200, 2)), 0);
    QCOMPARE(table.insert(entry("tie", 100, 3)), 2); // an equal score goes behind the older one
    QCOMPARE(table.insert(entry("older tie", 100, 0)), 1);
    QCOMPARE(table.insert(entry("low", 50, 4)), 4);
    QVERIFY(!table.qualifies(50)); // the last place keeps its older equal
    QVERIFY(table.qualifies(60));
    QCOMPARE(table.insert(entry("late", 50, 9)), -1);
    QCOMPARE(table.insert(entry("top", 1710, 9)), 0);
    QCOMPARE(names(table), (QStringList{"top", "better", "older tie", "first", "tie"}));
}

void ScoresTest::namesAreCleaned_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("blank");                    // draws nothing: no result is named so
    const QString emoji = QStringLiteral("\U0001F600"); // one character, two UTF-16 units
    const QString accented = QStringLiteral("e\u0301"); // a letter and its accent
    // A kiss with skin tones: ten code points, one character.
    const QString kiss = QStringLiteral("👩🏻\u200D❤️\u200D💋\u200D👨🏼");
    QTest::newRow("trimmed, Czech kept") << "  Řehoř Žluťoučký  "
                                         << "Řehoř Žluťoučký" << false;
    QTest::newRow("right to left kept") << "שלום"
                                        << "שלום" << false;
    QTest::newRow("controls removed") << "Ja\u0007na\u001b"
                                      << "Jana" << false;
    QTest::newRow("line breaks become blanks") << "Jana\nNová\r\nx\u2028y\u2029z"
                                               << "Jana Nová  x y z" << false;
    QTest::newRow("only blanks") << " \t\n "
                                 << "" << true;
    QTest::newRow("33 cut to 32") << QString(33, QLatin1Char('a')) << QString(32, QLatin1Char('a'))
                                  << false;
    QTest::newRow("emoji never halved") << emoji.repeated(40) << emoji.repeated(32) << false;
    QTest::newRow("half an emoji goes") << "Eva" + emoji.left(1) << "Eva" << false;
    QTest::newRow("accent stays with its letter")
        << accented.repeated(40) << accented.repeated(32) << false;
    QTest::newRow("emoji sequences kept whole") << kiss.repeated(40) << kiss.repeated(32) << false;
    QTest::newRow("eight marks a letter") << "Z" + QString(400, QChar(0x0301)) + "a"
                                          << "Z" + QString(8, QChar(0x0301)) + "a" << false;
    QTest::newRow("an endless chain goes whole")
        << "a" + QStringLiteral("👩\u200D").repeated(30) + "👩b"
        << "ab" << false;
    QTest::newRow("direction controls go") << "\u2069\u202EEve\u202C \u2066Ann\u2069\u200F"
                                           << "Eve Ann" << false;
    QTest::newRow("only an invisible space") << "\u200B"
                                             << "" << true;
    QTest::newRow("joiner inside an emoji stays") << "👩\u200D👧 \u00AD\uFEFF"
                                                  << "👩\u200D👧" << false;
    QTest::newRow("Hangul fillers") << "\u3164\u115F"
                                    << "\u3164\u115F" << true;
    QTest::newRow("braille blank") << "\u2800\u3000\u2800"
                                   << "\u2800\u3000\u2800" << true;
}

void ScoresTest::namesAreCleaned()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, blank);
    QCOMPARE(PlayerName::clean(typed), kept);
    QCOMPARE(PlayerName::isBlank(kept), blank);
}

void ScoresTest::unusableFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("contents");
    const auto with = [](const char *score, const char *version = "1") {
        return QByteArray(R"({"version": )") + version +
               R"(, "scores": [{"name": "a", "achieved": "2026-12-07T12:00:00Z", "score": )" +
               score + "}]}";
    };
    QTest::newRow("not JSON") << QByteArray(R"({"version": 1, "scores": [)");
    QTest::newRow("unknown version") << with("120", "2");
    QTest::newRow("score of the wrong type") << with(R"("120")");
    QTest::newRow("negative score") << with("-10");
    QTest::newRow("over 1710") << with("1720");
    QTest::newRow("not a multiple of 10") << with("125");
    QTest::newRow("over 1 MiB") << with("120") + QByteArray(1024 * 1024, ' ');
}

void ScoresTest::unusableFileIsSetAside()
{
    QFETCH(QByteArray, contents);
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QFile broken(path());
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(contents) == contents.size());
    broken.close();

    ScoreFile file(path());
    QCOMPARE(file.load(), ScoreFile::Status::SetAside);
    // Kept as it was, beside a new table that works.
    const QDir folder = QFileInfo(path()).dir();
    const QStringList asides = folder.entryList({QStringLiteral("scores.json.unusable-*")});
    QCOMPARE(asides.size(), 1);
    QFile aside(folder.filePath(asides.first()));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), contents);
    QCOMPARE(file.add(entry("Jana", 120), "Jana"), ScoreFile::Status::Ok);
    ScoreFile reread(path());
    QCOMPARE(reread.load(), ScoreFile::Status::Ok);
    QCOMPARE(names(reread.table()), QStringList{"Jana"});
    QCOMPARE(reread.lastName(), QStringLiteral("Jana"));
}

void ScoresTest::unwritableLocationKeepsTheResult_data()
{
    // Each blocks a save even for root, who may write into a read-only folder.
    QTest::addColumn<QString>("blocker");
    QTest::newRow("a file where the folder should be") << QStringLiteral("kaludnik");
    QTest::newRow("a folder where the file should be") << QStringLiteral("kaludnik/scores.json");
}

void ScoresTest::unwritableLocationKeepsTheResult()
{
    QFETCH(QString, blocker);
    const QString blocked = m_dir->filePath(blocker);
    QVERIFY(blocker.endsWith(QLatin1String(".json")) ? QDir().mkpath(blocked)
                                                     : QFile(blocked).open(QIODevice::WriteOnly));
    ScoreFile file(path());
    file.load();
    QCOMPARE(file.add(entry("Jana", 120), "Jana"), ScoreFile::Status::NotSaved);
    QCOMPARE(file.add(entry("Petr", 300, 1), "Petr"), ScoreFile::Status::NotSaved);
    QCOMPARE(names(file.table()), (QStringList{"Petr", "Jana"})); // kept for this run
    QCOMPARE(file.retry(), ScoreFile::Status::NotSaved);

    // Once the way is clear, the next try writes both.
    QVERIFY(QFileInfo(blocked).isDir() ? QDir(blocked).removeRecursively()
                                       : QFile::remove(blocked));
    QCOMPARE(file.retry(), ScoreFile::Status::Ok);
    ScoreFile reread(path());
    reread.load();
    QCOMPARE(names(reread.table()), (QStringList{"Petr", "Jana"}));
}

void ScoresTest::aSaveCutShortKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("signal");
    QTest::newRow("the write fails (a full disk)") << "ignore";
    QTest::newRow("the program dies half way") << "default";
    QTest::newRow("a row without its date") << "no date";
}

void ScoresTest::aSaveCutShortKeepsTheOldFile()
{
    QFETCH(QString, signal);
    const QByteArray before = fullTable();
    // What a player or another program may keep beside the table, and an older set-aside.
    const QDir folder(QFileInfo(path()).path());
    const QStringList others{"scores.json.a1B2c3", "scores.json.backup",
                             "scores.json.unusable-20261207-120000-000"};
    for (const QString &name : others) {
        QFile other(folder.filePath(name));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write(name.toUtf8()) > 0);
    }
    if (signal == QLatin1String("no date")) { // as when the process's exit has begun
        ScoreFile file(path());
        file.load();
        QCOMPARE(file.add({"late", 1700, QDateTime(), {}}, "late"), ScoreFile::Status::NotSaved);
    } else {
        QProcess child; // room for the lock file, not for the table
        child.start(QCoreApplication::applicationFilePath(),
                    {"--add-over-limit", path(), "200", signal});
        QVERIFY(child.waitForFinished(60000));
        const bool died = signal == QLatin1String("default");
        QCOMPARE(child.exitStatus(), died ? QProcess::CrashExit : QProcess::NormalExit);
        if (!died)
            QCOMPARE(ScoreFile::Status(child.exitCode()), ScoreFile::Status::NotSaved);
    }
    QCOMPARE(contents(path()), before);

    // The next save takes over the lock of the one cut short, and leaves the rest alone.
    ScoreFile file(path());
    file.load();
    QCOMPARE(file.add(entry("Jana", 1700), "Jana"), ScoreFile::Status::Ok);
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"scores.json"} + others);
    for (const QString &name : others)
        QCOMPARE(contents(folder.filePath(name)), name.toUtf8());
}

void ScoresTest::anUnreadableFileIsLeftAlone()
{
    const QByteArray before = fullTable();
    const QString folder = QFileInfo(path()).path();
    // Nobody may reach the folder and take the lock there, but not read the file.
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder), 0777) == 0 &&
            ::chmod(QFile::encodeName(path()), 0) == 0);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--add-as-nobody"), path()});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    // Not called damaged; this run's result kept in memory, and the file as it was.
    const int unreadable = int(ScoreFile::Status::Unreadable);
    QCOMPARE(child.readAllStandardOutput(),
             QByteArray::number(unreadable) + ' ' + QByteArray::number(unreadable) + " late\n");
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"scores.json"});
    QVERIFY(::chmod(QFile::encodeName(path()), 0400) == 0);
    QCOMPARE(contents(path()), before);
}

void ScoresTest::aTakenLockIsWaitedForOffTheCallersThread()
{
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QLockFile otherCopy(path() + QStringLiteral(".lock"));
    QVERIFY(otherCopy.tryLock(0));
    // The keeper waits on its own thread (here for as long as it takes) while the thread that
    // asked goes on: a read asked after the save is answered before it.
    ScoreKeeper keeper(path(), std::chrono::hours(1));
    QSignalSpy answers(&keeper, &ScoreKeeper::answered);
    keeper.addGame({120, QDateTime::currentDateTimeUtc(), std::chrono::seconds(9)}, "Jana");
    keeper.read();
    QVERIFY(nextAnswer(answers));
    QCOMPARE(keeper.latest().request, ScoreKeeper::Request::Read);
    QVERIFY(keeper.latest().unsaved);
    otherCopy.unlock();
    QVERIFY(nextAnswer(answers));
    QCOMPARE(answers.size(), 2);
    QCOMPARE(keeper.latest().request, ScoreKeeper::Request::AddGame);
    QCOMPARE(keeper.latest().status, ScoreFile::Status::Ok);
    ScoreFile file(path());
    QVERIFY(file.load() == ScoreFile::Status::Ok && names(file.table()) == QStringList{"Jana"});
}

void ScoresTest::theDataFolderFollowsTheXdgRules()
{
    qputenv("XDG_DATA_HOME", "relative/data"); // ignored, as relative
    QCOMPARE(ScoreFile::defaultPath(), QDir::homePath() + "/.local/share/kaludnik/scores.json");
    // Without HOME, the home the password database names.
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    QCOMPARE(ScoreFile::defaultPath(), QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir) +
                                           "/.local/share/kaludnik/scores.json");
    qputenv("HOME", home);
    // A table that is a link, as a dotfile manager makes it, stays one: written where it points.
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("kept.json")), path()));
    QCOMPARE(ScoreFile(path()).add(entry("Eva", 120), "Eva"), ScoreFile::Status::Ok);
    QVERIFY(QFileInfo(path()).isSymLink() &&
            contents(m_dir->filePath("kept.json")).contains("Eva"));
}

void ScoresTest::theSettingsKeepTheSoundChoice_data()
{
    // What stands where the settings file goes, and whether a choice can be kept there.
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("sound"); // as read
    QTest::addColumn<bool>("kept");  // a change is written, everything else in the file kept
    QTest::newRow("nothing") << "" << true << true;
    QTest::newRow("the choice, among other keys and groups")
        << "x=1\n[General]\nsound=false\n[Other]\ny=2\n"
        << false << true;
    // Never written over: QSettings would drop the line it cannot parse.
    QTest::newRow("a line QSettings cannot parse")
        << "# the player's own note\n[General]\nsound=false\n"
        << false << false;
    QTest::newRow("a folder") << "folder" << true << false;
    QTest::newRow("a FIFO, never waited for") << "fifo" << true << false;
}

void ScoresTest::theSettingsKeepTheSoundChoice()
{
    QFETCH(QString, found);
    QFETCH(bool, sound);
    QFETCH(bool, kept);
    const QString path = m_dir->filePath(QStringLiteral("kaludnik/kaludnik.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (found == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (found == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(path), 0644) == 0);
    else if (QFile file(path); !found.isEmpty())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(found.toUtf8()) > 0);
    if (!kept) // said once, when the file is first read
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is left as it is")));
    Settings settings(path);
    QCOMPARE(settings.sound(), sound);
    settings.setSound(!sound);
    QCOMPARE(settings.sound(), !sound); // for the run, whatever happens to the file
    if (!kept) {                        // as it was
        QVERIFY(!QFileInfo(path).isFile() || contents(path) == found.toUtf8());
        return;
    }
    QCOMPARE(Settings(path).sound(), !sound);
    if (!found.isEmpty())
        QVERIFY(contents(path).contains("x=1") && contents(path).contains("[Other]\ny=2"));
}

void ScoresTest::theRecordCountsEveryGame_data()
{
    QTest::addColumn<QByteArray>("found");  // the record before one more game of 120
    QTest::addColumn<QList<int>>("recent"); // its last scores after it
    QTest::addColumn<int>("games");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("best");
    const QByteArray one = "1765000000 100 5000 1 100 100\n";
    QTest::newRow("none yet") << QByteArray() << QList<int>{120} << 1 << 120LL << 120;
    QTest::newRow("a line cut short")
        << one + "1765000100 1710 9" << QList<int>{100, 120} << 2 << 220LL << 120;
    QTest::newRow("a damaged line") << one + "1765000100 125 9000 2 225 125\nx\n"
                                    << QList<int>{100, 120} << 2 << 220LL << 120;
    // Its end alone is read: the counts run on in every line.
    QByteArray many;
    QList<int> last(GameRecord::RecentCount - 1, 1710);
    for (int game = 1; game <= 10000; ++game)
        many += "1765000000 1710 1000 " + QByteArray::number(game) + ' ' +
                QByteArray::number(1710 * game) + " 1710\n";
    QTest::newRow("ten thousand games")
        << many << last + QList<int>{120} << 10001 << 17100120LL << 1710;
}

void ScoresTest::theRecordCountsEveryGame()
{
    QFETCH(QByteArray, found);
    QFETCH(QList<int>, recent);
    QFETCH(int, games);
    QFETCH(qint64, total);
    QFETCH(int, best);
    const QString path = m_dir->filePath(QStringLiteral("games.log"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(found) == found.size());
    file.close();
    GameRecord record(path);
    QCOMPARE(record.append({120, QDateTime::currentDateTimeUtc(), std::chrono::seconds(8)}),
             GameRecord::Status::Ok);
    const RecordSummary summary = record.read();
    QCOMPARE(summary.recent, recent);
    QCOMPARE(summary.games, games);
    QCOMPARE(summary.total, total);
    QCOMPARE(summary.best, best);
}

void ScoresTest::killedWhileSavingLeavesAWholeFile()
{
    // A copy of the game that saves in a loop, killed at a random moment, 200 times.
    std::mt19937 random(20261207);
    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        startAdding(writer, "w", 0);
        QVERIFY2(writer.waitForReadyRead(10000), writer.readAllStandardError());
        QThread::usleep(random() % 3000);
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());

        ScoreFile file(path());
        QCOMPARE(file.load(), ScoreFile::Status::Ok); // parses: the old table or the new one
        QVERIFY(file.table().entries().size() <= ScoreTable::Size);
    }
}

void ScoresTest::twoCopiesKeepEachOthersResults()
{
    QProcess first;
    QProcess second;
    startAdding(first, "a", 200);
    startAdding(second, "b", 200);
    QVERIFY(first.waitForFinished(300000) && second.waitForFinished(300000));
    QCOMPARE(first.exitCode() + second.exitCode(), 0);
    ScoreFile file(path());
    QCOMPARE(file.load(), ScoreFile::Status::Ok);
    QCOMPARE(names(file.table()), (QStringList{"a1710", "b1700", "a1690", "b1680", "a1670"}));
    QCOMPARE(GameRecord(m_dir->filePath(QStringLiteral("kaludnik/games.log"))).read().games, 400);
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--add") == 0)
        return addResults(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]),
                          atoi(argv[4]));
    if (argc == 3 && qstrcmp(argv[1], "--add-as-nobody") == 0)
        return addAsNobody(QString::fromLocal8Bit(argv[2]));
    if (argc == 5 && qstrcmp(argv[1], "--add-over-limit") == 0)
        return addOverLimit(QString::fromLocal8Bit(argv[2]), atoi(argv[3]),
                            QString::fromLatin1(argv[4]));
    ScoresTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scores.moc"
