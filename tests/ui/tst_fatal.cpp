// An error in a handler must end the real program: a message, a line on stderr, a failure
// status and no further tick. The test starts itself again as the program, forces one error per
// case through the handler boundary, or past it to the application's backstop, and watches from
// outside.
#include "../support/controls.h"
#include "application.h"
#include "board/checkedmath.h"
#include "button.h"
#include "handlers.h"
#include "label.h"
#include "mainwindow.h"
#include "platform.h"
#include "text/stringtable.h"
#include "timer.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <exception>
#include <limits>

namespace {

// Ticks that would reach the game once the program is ending are reported on stderr.
constexpr char TickAfterError[] = "tick after the fatal error";

Button *cell(MainWindow &window, int index)
{
    return control<Button>(&window, QStringLiteral("cell%1").arg(index));
}

Timer *cellTimer(MainWindow &window, int index)
{
    return control<Timer>(&window, QStringLiteral("cellTimer%1").arg(index));
}

// What each case does inside an event handler of the running program. Clicks and ticks that
// no real button or timer could send go through the controls' own signals.
void force(MainWindow &window, const QString &failure)
{
    if (failure == QLatin1String("subscript")) {
        Q_EMIT cell(window, 0)->indexClicked(9);
    } else if (failure == QLatin1String("overflow")) {
        Q_EMIT cell(window, 0)->indexClicked(32767);
    } else if (failure == QLatin1String("mismatch")) {
        QTest::mouseClick(control<Label>(&window, "newGameCommand"), Qt::LeftButton);
        while (cell(window, 0)->isEnabled())
            Q_EMIT cellTimer(window, 0)->tick(0);
        Q_EMIT cellTimer(window, 0)->tick(0); // a tick of the dead cell reads "X"
    } else if (failure == QLatin1String("tick")) {
        Q_EMIT cellTimer(window, 0)->tick(-1);
    } else if (failure == QLatin1String("period")) {
        CheckedMath::roundToInt32(3.0e9f);
    } else if (failure == QLatin1String("modal")) {
        // Raised inside the help window's own event loop, which must not keep the program alive.
        QTimer::singleShot(0, &window, [&window] { Q_EMIT cell(window, 0)->indexClicked(9); });
        QTest::mouseClick(control<Label>(&window, "helpCommand"), Qt::LeftButton);
    } else if (failure == QLatin1String("floating")) {
        CheckedMath::single(std::numeric_limits<float>::max() * 2.0f);
    } else if (failure == QLatin1String("text")) {
        loadText(TextId(1007));
    } else if (failure == QLatin1String("uncaught")) {
        // An error that no boundary catches ends in the backstop, with nothing unwound.
        try {
            loadText(TextId(1007));
        } catch (...) {
            std::terminate();
        }
    } else if (failure == QLatin1String("timers")) {
        // A running game and the title timer; the message stays up for more than a cell period.
        QTest::mouseClick(control<Label>(&window, "newGameCommand"), Qt::LeftButton);
        QList<Timer *> timers{control<Timer>(&window, "titleTimer")};
        for (int i = 0; i < Board::CellCount; ++i)
            timers.append(cellTimer(window, i));
        for (Timer *timer : timers) {
            QObject::connect(timer, &Timer::tick, [] {
                if (Platform::current().isEnding())
                    std::fprintf(stderr, "%s\n", TickAfterError);
            });
        }
        Q_EMIT cell(window, 0)->indexClicked(9);
    }
}

int runAsProgram(int argc, char **argv, const QString &failure)
{
    Application application(argc, argv);
    MainWindow window;
    window.show();
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
    // Run as every handler of the program runs: inside the handler boundary.
    QTimer::singleShot(0, &window, [&window, failure] {
        Handlers::run([&window, &failure] { force(window, failure); });
    });
    return application.exec();
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
    QTest::addColumn<QString>("message");
    QTest::newRow("index out of range") << "subscript"
                                        << "Subscript out of range";
    QTest::newRow("16-bit overflow") << "overflow"
                                     << "Overflow";
    QTest::newRow("tick index out of range") << "tick"
                                             << "Subscript out of range";
    QTest::newRow("tick of a dead cell") << "mismatch"
                                         << "Type mismatch";
    QTest::newRow("period beyond 32 bits") << "period"
                                           << "Overflow";
    QTest::newRow("behind a modal window") << "modal"
                                           << "Subscript out of range";
    QTest::newRow("floating point") << "floating"
                                    << "Floating-point error";
    QTest::newRow("missing text") << "text"
                                  << "no text number 1007";
    QTest::newRow("no tick after the error") << "timers"
                                             << "Subscript out of range";
    QTest::newRow("past every boundary") << "uncaught"
                                         << "no text number 1007";
}

void FatalErrorTest::escapedErrorEndsTheProgram()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QProcess program;
    QElapsedTimer clock;
    clock.start();
    program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--program"), failure});
    QVERIFY(program.waitForStarted());
    QVERIFY2(program.waitForFinished(60000), "the program hung after the error");
    qInfo("%s: ended after %lld ms", qPrintable(failure), clock.elapsed());
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), Platform::FatalErrorStatus);
    const qsizetype report = errors.indexOf(QStringLiteral("Ka ludnik: fatal error: "));
    QVERIFY2(report >= 0, qPrintable(errors));
    QVERIFY2(errors.indexOf(message, report) > report, qPrintable(errors));
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
