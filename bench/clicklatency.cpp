// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Click to screen: a real mouse button press and release sent through the X server (XTest) on
// a live cell of the game's main window, and the time from the release until the X server's
// image of the cell shows its new caption; the same for a bare QPushButton whose click handler
// sets its text, in the same process and the same run, taking turns.
//
// A thread of its own, on its own X connection, sends the clicks and watches the windows'
// damage (XDamage), reading the target's pixels back (XGetImage) after each damage until they
// equal the picture of the settled new caption, taken in warm-up rounds. The windows and their
// event loop run on the main thread, under the platform they are started with (xcb, Xvfb).
//
// usage: bench_clicklatency [clicks on each side, default 200]
#include "../tests/support/controls.h"
#include "benchsupport.h"

#include "application.h"
#include "board/board.h"
#include "fonts.h"
#include "label.h"
#include "mainwindow.h"

#include "xclicker.h"
#include <QPushButton>
#include <QTimer>

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstring>
#include <thread>

using toolkit::Label;

namespace {

constexpr int SettleMs = 40;      // the prepared caption and the hover are painted by then
constexpr int ClicksPerGame = 10; // per cell: the period stays at 500 ms or more
constexpr int Warmups = 3;

// What the measuring thread asks of the windows, on the main thread.
struct Target {
    QRect onScreen;          // in root window coordinates
    unsigned long window{0}; // the top-level X window
};

class Windows {
public:
    Windows()
    {
        m_main.show();
        m_bareWindow.setWindowTitle(QStringLiteral("bare"));
        m_bareWindow.resize(200, 200);
        m_bareWindow.move(700, 0);
        // The cell's size and face, so that both draw the same amount.
        m_bare = new QPushButton(QStringLiteral("9"), &m_bareWindow);
        m_bare->setGeometry(16, 16, 65, 65);
        m_bare->setFont(toolkit::fonts::font({toolkit::fonts::SansSerif, 17.25, true}));
        QObject::connect(m_bare, &QPushButton::clicked, m_bare,
                         [this] { m_bare->setText(QStringLiteral("10")); });
        m_bareWindow.show();
        Q_EMIT control<Label>(&m_main, "newGameCommand")->clicked();
    }

    // Target 0 and 1: two game cells, clicked in turn; target 2: the bare button. Each is made
    // to show something other than its caption after a click.
    Target prepare(int target)
    {
        if (target == 2) {
            m_bare->setText(QStringLiteral("9"));
            return {onScreen(m_bare), m_bareWindow.winId()};
        }
        if (m_clicksThisGame++ == 2 * ClicksPerGame) {
            Q_EMIT control<Label>(&m_main, "newGameCommand")->clicked();
            m_clicksThisGame = 1;
        }
        const int index = 4 + target; // two cells side by side in the middle row
        QMetaObject::invokeMethod(
            control<QTimer>(&m_main, QStringLiteral("cellTimer%1").arg(index)), "timeout");
        QPushButton *cell = control<QPushButton>(&m_main, QStringLiteral("cell%1").arg(index));
        if (!cell->isEnabled() || cell->text() == QLatin1String("10"))
            qFatal("cell %d is not ready for a click: \"%s\"", index, qPrintable(cell->text()));
        return {onScreen(cell), m_main.winId()};
    }

private:
    static QRect onScreen(const QWidget *widget)
    {
        return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
    }

    std::unique_ptr<MainWindow> m_mainWindow =
        static_cast<Application *>(QCoreApplication::instance())->makeMainWindow();
    MainWindow &m_main = *m_mainWindow;
    QWidget m_bareWindow;
    QPushButton *m_bare = nullptr;
    int m_clicksThisGame = 0;
};

Target onMainThread(Windows &windows, int target)
{
    Target result;
    QMetaObject::invokeMethod(
        qApp, [&] { result = windows.prepare(target); }, Qt::BlockingQueuedConnection);
    return result;
}

void measure(Windows &windows, int clicks, std::array<std::vector<double>, 2> &samples, int &misses)
{
    XClicker clicker;
    bool watching = false;
    std::array<QByteArray, 3> expected;
    // Game cell, bare button, the other game cell, bare button: every click on a cell is
    // accepted, and each side meets the same state of the machine.
    const std::array<int, 4> order{0, 2, 1, 2};
    const int rounds = Warmups + clicks / 2;
    for (int round = 0; round < rounds; ++round) {
        for (const int target : order) {
            const Target at = onMainThread(windows, target);
            if (!watching) {
                clicker.watch(at.window);
                clicker.watch(onMainThread(windows, 2).window);
                watching = true;
            }
            clicker.moveTo(at.onScreen);
            std::this_thread::sleep_for(std::chrono::milliseconds(SettleMs));
            if (round < Warmups) {
                // The settled picture of the new caption, as the player sees it after a click.
                clicker.click(at.onScreen, {});
                std::this_thread::sleep_for(std::chrono::milliseconds(4 * SettleMs));
                expected[std::size_t(target)] = clicker.pixels(at.onScreen);
                continue;
            }
            const double ms = clicker.click(at.onScreen, expected[std::size_t(target)]);
            if (ms < 0)
                ++misses;
            else
                samples[target == 2 ? 1 : 0].push_back(ms);
        }
    }
}

QStringList row(const QString &name, const std::vector<double> &ms, const std::vector<double> &base)
{
    return {name,
            QString::number(ms.size()),
            Bench::number(Bench::median(ms), 3),
            Bench::number(Bench::quantile(ms, 0.99), 3),
            Bench::number(Bench::largest(ms), 3),
            Bench::ratio(Bench::median(ms), Bench::median(base)),
            Bench::ratio(Bench::quantile(ms, 0.99), Bench::quantile(base, 0.99))};
}

} // namespace

int main(int argc, char **argv)
{
    const int clicks = argc > 1 ? std::max(2, QByteArray(argv[1]).toInt()) : 200;
    int programArgc = 1;
    Application application(programArgc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        qFatal("needs the xcb platform: a real X server sees the clicks");
    Windows windows;

    std::array<std::vector<double>, 2> samples;
    int misses = 0;
    std::thread measuring;
    QTimer::singleShot(500, &application, [&] {
        measuring = std::thread([&] {
            measure(windows, clicks, samples, misses);
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); });
        });
    });
    application.exec();
    measuring.join();

    Bench::printTable(
        QStringLiteral("Click to screen: ms from the release of a real click (XTest) until the X "
                       "server holds the new caption, %1 clicks each, platform %2")
            .arg(clicks)
            .arg(QGuiApplication::platformName()),
        {QStringLiteral("target"), QStringLiteral("clicks"), QStringLiteral("median"),
         QStringLiteral("p99"), QStringLiteral("max"), QStringLiteral("median vs bare"),
         QStringLiteral("p99 vs bare")},
        {row(QStringLiteral("game cell"), samples[0], samples[1]),
         row(QStringLiteral("bare QPushButton"), samples[1], samples[1])});
    std::printf("\nclicks whose caption never showed within %d ms: %d\n", XClicker::TimeoutMs,
                misses);
    return 0;
}
