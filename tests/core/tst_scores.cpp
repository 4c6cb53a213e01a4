// The table of best results and its file. The file must never lose a result: a crash while
// saving leaves the old file or the new one, two copies of the game keep each other's results,
// and a file that cannot be used is set aside, never overwritten.
#include "scores/scorefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <QThread>

#include <csignal>
#include <cstdio>
#include <random>

namespace {

const QDateTime Start(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);

ScoreEntry entry(const QString &name, int score, int minute = 0)
{
    return {name, score, Start.addSecs(60 * minute)};
}

QStringList names(const ScoreTable &table)
{
    QStringList result;
    for (const ScoreEntry &kept : table.entries())
        result << kept.name;
    return result;
}

QStringList setAside(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("scores.json.unusable-*")}, QDir::Files);
}

// Run as a child: adds `count` results (0 for ever) drawn from `seed`, each with its own save.
int addResults(const QString &path, const QString &who, int count, int seed)
{
    ScoreFile file(path);
    file.load();
    std::mt19937 random{quint32(seed)};
    for (int i = 0; count == 0 || i < count; ++i) {
        // Ordinary scores stay at 1500 and below; `seed` decides which adds carry a top score.
        int score = 10 * int(1 + random() % 150);
        if (who == QLatin1String("a") && (i == 50 || i == 120 || i == 199))
            score = i == 50 ? 1710 : i == 120 ? 1690 : 1670;
        if (who == QLatin1String("b") && (i == 10 || i == 150))
            score = i == 10 ? 1700 : 1680;
        if (file.add(entry(QStringLiteral("%1%2").arg(who).arg(score), score, i), who) ==
            ScoreFile::Status::NotSaved) {
            std::fputs("could not save\n", stderr);
            return 1;
        }
        if (i == 0) { // saving from now on
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
    }
    return 0;
}

} // namespace

class ScoresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void tableKeepsTheFiveBestOlderFirst();
    void namesAreCleaned_data();
    void namesAreCleaned();
    void resultsAndLastNameSurviveARestart();
    void unusableFileIsSetAside_data();
    void unusableFileIsSetAside();
    void unwritableLocationKeepsTheResult_data();
    void unwritableLocationKeepsTheResult();
    void killedWhileSavingLeavesAWholeFile();
    void twoCopiesKeepEachOthersResults();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(QStringLiteral("kaludnik/scores.json")); }
};

void ScoresTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void ScoresTest::tableKeepsTheFiveBestOlderFirst()
{
    ScoreTable table;
    QVERIFY(!table.qualifies(0));
    QVERIFY(table.qualifies(10));
    QCOMPARE(table.insert(entry("first", 100, 1)), 0);
    QCOMPARE(table.insert(entry("better", 200, 2)), 0);
    QCOMPARE(table.insert(entry("tie", 100, 3)), 2); // an equal score goes behind the older one
    QCOMPARE(table.insert(entry("older tie", 100, 0)), 1);
    QCOMPARE(table.insert(entry("low", 50, 4)), 4);
    QCOMPARE(names(table), (QStringList{"better", "older tie", "first", "tie", "low"}));

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
    const QString emoji = QStringLiteral("\U0001F600"); // one character, two UTF-16 units
    const QString accented = QStringLiteral("e\u0301"); // a letter and its accent
    QTest::newRow("trimmed") << "  Jana  "
                             << "Jana";
    QTest::newRow("Czech kept") << "Řehoř Žluťoučký"
                                << "Řehoř Žluťoučký";
    QTest::newRow("right to left kept") << "שלום"
                                        << "שלום";
    QTest::newRow("controls removed") << "Ja\u0007na\u001b"
                                      << "Jana";
    QTest::newRow("line breaks become blanks") << "Jana\nNová\r\nx"
                                               << "Jana Nová  x";
    QTest::newRow("only blanks") << " \t\n "
                                 << "";
    QTest::newRow("32 kept") << QString(32, QLatin1Char('a')) << QString(32, QLatin1Char('a'));
    QTest::newRow("33 cut") << QString(33, QLatin1Char('a')) << QString(32, QLatin1Char('a'));
    QTest::newRow("emoji never halved") << emoji.repeated(40) << emoji.repeated(32);
    QTest::newRow("accent stays with its letter") << accented.repeated(40) << accented.repeated(32);
}

void ScoresTest::namesAreCleaned()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(PlayerName::clean(typed), kept);
}

void ScoresTest::resultsAndLastNameSurviveARestart()
{
    ScoreFile file(path());
    QCOMPARE(file.load(), ScoreFile::Status::Ok); // no file yet: an empty table
    QVERIFY(file.table().isEmpty());
    QCOMPARE(file.add(entry("Jana", 120), "Jana"), ScoreFile::Status::Ok);
    QCOMPARE(file.add(entry("Řehoř 😀", 1710, 5), "Řehoř 😀"), ScoreFile::Status::Ok);

    ScoreFile restarted(path());
    QCOMPARE(restarted.load(), ScoreFile::Status::Ok);
    QCOMPARE(restarted.table().entries(), file.table().entries());
    QCOMPARE(restarted.lastName(), QStringLiteral("Řehoř 😀"));
}

void ScoresTest::unusableFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("contents");
    const auto with = [](const char *scores, const char *version = "1") {
        return QByteArray("{\"version\": ") + version + ", \"lastName\": \"x\", \"scores\": [" +
               scores + "]}";
    };
    QTest::newRow("not JSON") << QByteArray("{\"version\": 1, \"scores\": [");
    QTest::newRow("unknown version") << with("", "2");
    QTest::newRow("score of the wrong type")
        << with(R"({"name": "a", "score": "120", "achieved": "2026-12-07T12:00:00Z"})");
    QTest::newRow("negative score")
        << with(R"({"name": "a", "score": -10, "achieved": "2026-12-07T12:00:00Z"})");
    QTest::newRow("over 1710") << with(
        R"({"name": "a", "score": 1720, "achieved": "2026-12-07T12:00:00Z"})");
    QTest::newRow("not a multiple of 10")
        << with(R"({"name": "a", "score": 125, "achieved": "2026-12-07T12:00:00Z"})");
    QTest::newRow("no date") << with(R"({"name": "a", "score": 120})");
    QTest::newRow("over 1 MiB") << with("") + QByteArray(1024 * 1024, ' ');
}

void ScoresTest::unusableFileIsSetAside()
{
    QFETCH(QByteArray, contents);
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QFile broken(path());
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(contents);
    broken.close();

    ScoreFile file(path());
    QCOMPARE(file.load(), ScoreFile::Status::SetAside);
    QVERIFY(file.takeSetAsideNotice());
    QVERIFY(!file.takeSetAsideNotice()); // told once
    QVERIFY(file.table().isEmpty());
    // Kept as it was, beside a new table that works.
    QFile aside(file.setAsidePath());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), contents);
    QCOMPARE(file.add(entry("Jana", 120), "Jana"), ScoreFile::Status::Ok);
    ScoreFile reread(path());
    QCOMPARE(reread.load(), ScoreFile::Status::Ok);
    QCOMPARE(names(reread.table()), QStringList{"Jana"});
}

void ScoresTest::unwritableLocationKeepsTheResult_data()
{
    // Each blocks the save even for root, who may write into a read-only folder.
    QTest::addColumn<QString>("blocker"); // made where the folder or the file should be
    QTest::newRow("a file where the folder should be") << QStringLiteral("kaludnik");
    QTest::newRow("a folder where the file should be") << QStringLiteral("kaludnik/scores.json");
}

void ScoresTest::unwritableLocationKeepsTheResult()
{
    QFETCH(QString, blocker);
    const QString blocked = m_dir->filePath(blocker);
    if (blocker.endsWith(QLatin1String(".json")))
        QVERIFY(QDir().mkpath(blocked));
    else
        QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));

    ScoreFile file(path());
    file.load();
    QCOMPARE(file.add(entry("Jana", 120), "Jana"), ScoreFile::Status::NotSaved);
    QCOMPARE(file.add(entry("Petr", 300, 1), "Petr"), ScoreFile::Status::NotSaved);
    QCOMPARE(names(file.table()), (QStringList{"Petr", "Jana"})); // kept for this run
    QVERIFY(file.hasUnsaved());
    QCOMPARE(file.retry(), ScoreFile::Status::NotSaved);

    // Once the way is clear, the next try writes both.
    QVERIFY(QFileInfo(blocked).isDir() ? QDir(blocked).removeRecursively()
                                       : QFile::remove(blocked));
    QCOMPARE(file.retry(), ScoreFile::Status::Ok);
    QVERIFY(!file.hasUnsaved());
    ScoreFile reread(path());
    reread.load();
    QCOMPARE(names(reread.table()), (QStringList{"Petr", "Jana"}));
}

void ScoresTest::killedWhileSavingLeavesAWholeFile()
{
    // A copy of the game that saves in a loop, killed at a random moment, 200 times.
    std::mt19937 random(20261207);
    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--add"), path(), QStringLiteral("w"), QStringLiteral("0"),
                      QString::number(kill)});
        QVERIFY2(writer.waitForReadyRead(10000), writer.readAllStandardError()); // saving now
        QThread::usleep(random() % 3000);
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());

        ScoreFile file(path());
        QCOMPARE(file.load(), ScoreFile::Status::Ok); // parses: the old table or the new one
        QVERIFY(file.table().entries().size() <= ScoreTable::Size);
    }
    QVERIFY(setAside(m_dir->filePath(QStringLiteral("kaludnik"))).isEmpty());
}

void ScoresTest::twoCopiesKeepEachOthersResults()
{
    QProcess first;
    QProcess second;
    first.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--add"), path(), QStringLiteral("a"), QStringLiteral("200"),
                 QStringLiteral("1")});
    second.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--add"), path(), QStringLiteral("b"), QStringLiteral("200"),
                  QStringLiteral("2")});
    QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    ScoreFile file(path());
    QCOMPARE(file.load(), ScoreFile::Status::Ok);
    QCOMPARE(names(file.table()), (QStringList{"a1710", "b1700", "a1690", "b1680", "a1670"}));
}

int main(int argc, char **argv)
{
    if (argc == 6 && qstrcmp(argv[1], "--add") == 0) {
        QCoreApplication application(argc, argv);
        return addResults(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]),
                          atoi(argv[4]), atoi(argv[5]));
    }
    QCoreApplication application(argc, argv);
    ScoresTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scores.moc"
