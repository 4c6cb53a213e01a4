// An error that escapes a handler must end the real program: a message, a line on stderr and a
// failure status. The test starts itself again as the program, forces one error per case
// through the application's top level, and watches from outside.
#include "app/application.h"
#include "board/checkedmath.h"
#include "text/stringtable.h"
#include "ui/main/form1.h"
#include "ui/toolkit/button.h"
#include "ui/toolkit/timer.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include <limits>

namespace {

// What each case does inside an event handler of the running program.
void force(Form1 &form, const QString &failure)
{
    if (failure == QLatin1String("subscript")) {
        form.Command1_Click(9);
    } else if (failure == QLatin1String("overflow")) {
        form.Command1_Click(32767);
    } else if (failure == QLatin1String("mismatch")) {
        form.Label1_Click();
        while (form.Command1[0]->isEnabled())
            form.Timer1_Timer(0);
        form.Timer1_Timer(0); // a tick of the dead cell reads "X"
    } else if (failure == QLatin1String("tick")) {
        form.Timer1_Timer(-1);
    } else if (failure == QLatin1String("period")) {
        CheckedMath::roundToInt32(3.0e9f);
    } else if (failure == QLatin1String("modal")) {
        // Raised inside the help window's own event loop, which must not keep the program alive.
        QTimer::singleShot(0, &form, [&form] { form.Command1_Click(9); });
        form.Label3_Click();
    } else if (failure == QLatin1String("floating")) {
        CheckedMath::single(std::numeric_limits<float>::max() * 2.0f);
    } else if (failure == QLatin1String("text")) {
        LoadText(1007);
    }
}

int runAsProgram(int argc, char **argv, const QString &failure)
{
    Application application(argc, argv);
    Form1 form;
    form.show();
    // Plays the user who reads the message and dismisses it.
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    dismisser.start(10);
    QTimer::singleShot(0, &form, [&form, failure] { force(form, failure); });
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
    QTest::newRow("index out of range") << "subscript" << "Subscript out of range";
    QTest::newRow("16-bit overflow") << "overflow" << "Overflow";
    QTest::newRow("tick index out of range") << "tick" << "Subscript out of range";
    QTest::newRow("tick of a dead cell") << "mismatch" << "Type mismatch";
    QTest::newRow("period beyond 32 bits") << "period" << "Overflow";
    QTest::newRow("behind a modal window") << "modal" << "Subscript out of range";
    QTest::newRow("floating point") << "floating" << "Floating-point error";
    QTest::newRow("missing text") << "text" << "no text number 1007";
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
    QVERIFY2(program.waitForFinished(10000), "the program hung after the error");
    qInfo("%s: ended after %lld ms", qPrintable(failure), clock.elapsed());
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), Application::FatalErrorStatus);
    const qsizetype report = errors.indexOf(QStringLiteral("Ka ludnik: fatal error: "));
    QVERIFY2(report >= 0, qPrintable(errors));
    QVERIFY2(errors.indexOf(message, report) > report, qPrintable(errors));
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
