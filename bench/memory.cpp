// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Memory of the dialogs over many openings: RSS after a few openings, when fonts, pictures and
// caches are in, again after a thousand more, and after two thousand more again, each opened
// from the running main window as its commands do and closed as the user does. The baseline is
// a bare QDialog with one label, built and dropped in the same way.
//
// usage: bench_memory [cycles, default 1000]
#include "../tests/support/controls.h"
#include "../tests/support/modalcloser.h"
#include "benchsupport.h"

#include "application.h"
#include "label.h"
#include "mainwindow.h"

#include "scorewindow.h"
#include <QPushButton>
#include <QTimer>

#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <functional>

using toolkit::Label;

namespace {

constexpr int WarmUp = 10;

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Lets a modal window paint before it is closed, as it would on screen.
void paint(QWidget *)
{
    QCoreApplication::processEvents();
}

struct Result {
    double beforeMiB;  // after the first openings
    double afterMiB;   // after `cycles` more
    double finallyMiB; // after twice as many again: growth that goes on, or stops
    double msPerCycle;
};

double rssMiB()
{
    return double(Bench::ownStatusKiB("VmRSS")) / 1024.0;
}

Result measure(int cycles, const std::function<void()> &openAndClose)
{
    const auto openAndCloseTimes = [&](int times) {
        for (int i = 0; i < times; ++i) {
            openAndClose();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        settle();
    };
    openAndCloseTimes(WarmUp);
    Result result{};
    result.beforeMiB = rssMiB();
    QElapsedTimer clock;
    clock.start();
    openAndCloseTimes(cycles);
    result.msPerCycle = double(clock.nsecsElapsed()) / 1e6 / cycles;
    result.afterMiB = rssMiB();
    openAndCloseTimes(2 * cycles);
    result.finallyMiB = rssMiB();
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    const int cycles = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 1000;
    int programArgc = 1;
    Application application(programArgc, argv);
    Bench::quietRaiseRemarks();
    const std::unique_ptr<MainWindow> mainWindow =
        static_cast<Application *>(QCoreApplication::instance())->makeMainWindow();
    MainWindow &window = *mainWindow;
    window.show();
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();

    QDialog bare;
    const Result baseline = measure(cycles, [&] {
        auto *label = new QLabel(QStringLiteral("Ka ludnik"), &bare);
        modalWindowsOpenedBy([&] { bare.exec(); }, paint);
        label->deleteLater();
    });
    // The commands and buttons act as on a click, without the input events.
    const auto command = [&](const char *name) {
        return [&window, name] {
            modalWindowsOpenedBy([&] { Q_EMIT control<Label>(&window, name)->clicked(); }, paint);
        };
    };
    const Result help = measure(cycles, command("helpCommand"));
    const Result about = measure(cycles, command("aboutCommand"));
    const Result scoreWindow = measure(cycles, [&] {
        control<QPushButton>(&window, "scoreWindowButton")->click();
        QCoreApplication::processEvents();
        Q_EMIT control<Label>(findWindow<ScoreWindow>(), "closeCommand")->clicked();
    });

    const double baseGrowth = baseline.afterMiB - baseline.beforeMiB;
    const auto row = [&](const QString &name, const Result &r) {
        const double growth = r.afterMiB - r.beforeMiB;
        return QStringList{name,
                           Bench::number(r.beforeMiB, 1),
                           Bench::number(r.afterMiB, 1),
                           Bench::number(growth * 1024.0, 0),
                           Bench::number(baseGrowth * 1024.0, 0),
                           Bench::ratio(growth, baseGrowth),
                           Bench::number((r.finallyMiB - r.beforeMiB) * 1024.0, 0),
                           Bench::number(r.msPerCycle, 2)};
    };
    Bench::printTable(
        QStringLiteral("Memory over dialog openings, offscreen: RSS in MiB after %1 openings and "
                       "after %2 more; growth in KiB, against a bare QDialog with one label "
                       "opened as often; and the growth once %3 more have followed")
            .arg(WarmUp)
            .arg(cycles)
            .arg(2 * cycles),
        {QStringLiteral("window"), QStringLiteral("RSS before"), QStringLiteral("RSS after"),
         QStringLiteral("growth KiB"), QStringLiteral("baseline growth KiB"),
         QStringLiteral("growth ratio"), QStringLiteral("growth KiB after 3×"),
         QStringLiteral("ms per opening")},
        {row(QStringLiteral("help (modal)"), help), row(QStringLiteral("about (modal)"), about),
         row(QStringLiteral("name entry (modeless)"), scoreWindow),
         row(QStringLiteral("bare QDialog (baseline)"), baseline)});
    return 0;
}
