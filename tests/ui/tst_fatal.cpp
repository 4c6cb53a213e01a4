// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// An error in a handler must end the real program: a message, a line on stderr, a failure
// status and no further tick. The test starts itself again as the program, forces one error per
// case through the handler boundary, or past it to the application's backstop, and watches from
// outside.
#include "../support/controls.h"
#include "application.h"
#include "board/ruleerror.h"
#include "desktop.h"
#include "label.h"
#include "mainwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <exception>
#include <thread>

#include <unistd.h>

namespace {

using toolkit::Label;

// Ticks that would reach the game once the program is ending are reported on stderr.
constexpr char TickAfterError[] = "tick after the fatal error";

QTimer *timer(MainWindow &window, const QString &name)
{
    return gameTimer(&window, name);
}

void tick(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

// What each case does in the running program. The rules' errors cannot come from a window that
// works as it should; a tick of a dead cell's stopped timer stands for the fault that would
// bring one, and takes the way every tick takes, through the handler boundary.
void force(MainWindow &window, const QString &failure)
{
    if (failure == QLatin1String("uncaught")) {
        // An error that no boundary catches ends in the backstop, with nothing unwound.
        try {
            throw RuleError(RuleError::Kind::Overflow);
        } catch (...) {
            std::terminate();
        }
    }
    QTest::mouseClick(control<Label>(&window, "newGameCommand"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(&window, QStringLiteral("cell0")), Qt::LeftButton);
    QTimer *deadCell = timer(window, QStringLiteral("cellTimer0"));
    while (control<QPushButton>(&window, QStringLiteral("cell0"))->isEnabled())
        tick(deadCell);
    if (failure.startsWith(QLatin1String("SIG"))) {
        // A game with points over, its result being saved, and at once a logout or a Ctrl+C.
        for (int i = 1; i < Board::CellCount; ++i) {
            while (control<QPushButton>(&window, QStringLiteral("cell%1").arg(i))->isEnabled())
                tick(timer(window, QStringLiteral("cellTimer%1").arg(i)));
        }
        const QMap<QString, int> signals{
            {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};
        const int signal = signals.value(failure.section(QLatin1Char(' '), 0, 0));
        if (failure.endsWith(QLatin1String("ignored"))) {
            // Ignored from the start, as nohup does: it ends nothing, and the test's own
            // status ends the program.
            ::raise(signal);
            QTimer::singleShot(500, [] { QCoreApplication::exit(3); });
        } else if (failure.endsWith(QLatin1String("again and again"))) {
            std::thread([signal] {
                for (;;) {
                    ::kill(::getpid(), signal);
                    ::usleep(1000);
                }
            }).detach();
        } else if (failure.endsWith(QLatin1String("stuck"))) {
            // The window thread never comes back to the event loop.
            ::raise(signal);
            for (;;)
                ::pause();
        } else {
            ::raise(signal);
        }
        return;
    }
    if (failure == QLatin1String("modal")) {
        // Raised inside the help window's own event loop, which must not keep the program alive.
        QTimer::singleShot(0, &window, [deadCell] { tick(deadCell); });
        QTest::mouseClick(control<Label>(&window, "helpCommand"), Qt::LeftButton);
        return;
    }
    if (failure == QLatin1String("timers")) {
        // The game runs on: eight cells and the title. The message stays up for more than a
        // cell's period, and none of them may tick while it does, nor after.
        QList<QTimer *> running{timer(window, QStringLiteral("titleTimer"))};
        for (int i = 1; i < Board::CellCount; ++i)
            running.append(timer(window, QStringLiteral("cellTimer%1").arg(i)));
        for (QTimer *timer : running) {
            QObject::connect(timer, &QTimer::timeout,
                             [] { std::fprintf(stderr, "%s\n", TickAfterError); });
        }
    }
    tick(deadCell); // reads the dead cell's "X" as a number
}

int runAsProgram(int argc, char **argv, const QString &failure)
{
    // As a program started from a desktop, whatever the test's own shell ignores (a job in
    // the background ignores SIGINT).
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        std::signal(signal, failure == QLatin1String("SIGHUP ignored") && signal == SIGHUP
                                ? SIG_IGN
                                : SIG_DFL);
    Application application(argc, argv);
    const std::unique_ptr<MainWindow> window = application.makeMainWindow();
    window->show();
    // Plays the user who reads the message and dismisses it, at once or after 1.5 s.
    QElapsedTimer shown;
    const qint64 readingTime = failure == QLatin1String("timers") ? 1500 : 0;
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!shown.isValid())
            shown.start();
        if (shown.elapsed() >= readingTime)
            box->accept();
    });
    dismisser.start(10);
    QTimer::singleShot(0, window.get(), [&window, failure] { force(*window, failure); });
    return application.finishSaves(application.exec());
}

} // namespace

class FatalErrorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapedErrorEndsTheProgram_data();
    void escapedErrorEndsTheProgram();
};

void FatalErrorTest::escapedErrorEndsTheProgram_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const int fatal = toolkit::Desktop::FatalErrorStatus;
    QTest::newRow("in a handler") << "tick" << fatal << "fatal error: Type mismatch";
    QTest::newRow("behind a modal window") << "modal" << fatal << "fatal error: Type mismatch";
    QTest::newRow("no tick after the error") << "timers" << fatal << "fatal error: Type mismatch";
    QTest::newRow("past every boundary") << "uncaught" << fatal << "fatal error: Overflow";
    // Not errors: the program ends as its quit does, its save done and nothing left beside it,
    // however often the signal comes.
    for (const char *signal : {"SIGTERM", "SIGHUP", "SIGINT", "SIGINT again and again"})
        QTest::newRow(signal) << signal << 0 << QString();
    QTest::newRow("SIGHUP ignored from the start") << "SIGHUP ignored" << 3 << QString();
    QTest::newRow("the window thread stuck")
        << "SIGTERM stuck" << fatal << "fatal error: the program did not end within 5 s";
    // Another copy holds the score file past the end's last tries: the result is named lost.
    QTest::newRow("SIGTERM, the file held by another copy")
        << "SIGTERM held" << fatal << "results of this run were not saved";
}

void FatalErrorTest::escapedErrorEndsTheProgram()
{
    QFETCH(QString, failure);
    QFETCH(int, status);
    QFETCH(QString, message);
    QProcess program;
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    program.setProcessEnvironment(environment);
    QLockFile otherCopy(data.filePath(QStringLiteral("kaludnik/scores.json.lock")));
    QVERIFY(!failure.endsWith(QLatin1String("held")) ||
            (QDir().mkpath(data.filePath(QStringLiteral("kaludnik"))) && otherCopy.tryLock(0)));
    QElapsedTimer clock;
    clock.start();
    program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--program"), failure});
    QVERIFY(program.waitForStarted());
    QVERIFY2(program.waitForFinished(60000), "the program hung after the error");
    qInfo("%s: ended after %lld ms", qPrintable(failure), clock.elapsed());
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    if (message.isEmpty()) {
        QCOMPARE(
            QDir(data.filePath(QStringLiteral("kaludnik"))).entryList(QDir::Files | QDir::Hidden),
            (QStringList{QStringLiteral("games.log"), QStringLiteral("scores.json")}));
        return;
    }
    // One line of the program's own, once.
    const QStringList lines =
        errors.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^Ka ludnik: ")));
    QVERIFY2(lines.size() == 1 && lines.first().contains(message), qPrintable(errors));
    QVERIFY2(!errors.contains(QLatin1String(TickAfterError)), qPrintable(errors));
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--program") == 0) {
        int programArgc = 1;
        return runAsProgram(programArgc, argv, QString::fromLatin1(argv[2]));
    }
    QCoreApplication application(argc, argv);
    FatalErrorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatal.moc"
