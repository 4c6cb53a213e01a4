// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Click and key to screen: a real mouse click, or a real key press, sent through the X server
// (XTest) to a live cell of the game's main window, and the time from the event that makes the
// cell act until the X server's image of the cell shows its new caption; the same for clicks on
// a bare QPushButton whose click handler sets its text, in the same process and the same run,
// taking turns. A click is timed from the button's release, on which QPushButton clicks; a key
// from its press, on which the game's grid keys click the cell (the release, 15 ms later as a
// button's, does nothing more).
//
// A thread of its own, on its own X connection, sends the clicks and keys and watches the
// windows' damage (XDamage), reading the target's pixels back (XGetImage) after each damage
// until they equal the picture of the settled new caption, taken in warm-up rounds. The windows
// and their event loop run on the main thread, under the platform they are started with (xcb,
// Xvfb). Without a window manager no one hands the game's window the X input focus that keys
// need: the measuring thread gives it, and makes sure the window keeps it.
//
// usage: bench_clicklatency [keys and clicks on the game's cells, each, default 200]
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
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstring>
#include <thread>

using toolkit::Label;

namespace {

constexpr int SettleMs = 40;      // the prepared caption and the hover are painted by then
constexpr int ClicksPerGame = 10; // per cell, keys included: the period stays at 500 ms or more
constexpr int Warmups = 3;

// Target 0 and 1 are two game cells side by side in the middle row, cells 4 and 5; target 2 is
// the bare button.
constexpr int Bare = 2;
constexpr int cellOf(int target)
{
    return 4 + target;
}
QString nameOf(int target)
{
    return target == Bare ? QStringLiteral("the bare button")
                          : QStringLiteral("cell %1").arg(cellOf(target));
}
// The cells' keys by their X key codes: the keypad's 5 and 6 (evdev 76 and 77, plus 8), the
// places of cells 4 and 5 whatever Num Lock and the layout make of them.
constexpr std::array<unsigned, 2> CellKeys{84, 85};

// One turn of a round: a target, reached by a click or by its key.
struct Step {
    int target;
    bool key;
};
// The game's cells are played 4, 5, 4, 5, as the rules want (a cell takes no two accepted
// clicks in a row), each one once by a click and once by its key in a round, and the bare button
// after each: every action on a cell is accepted, and each side meets the same state of the
// machine.
constexpr std::array<Step, 8> Order{{{0, false},
                                     {Bare, false},
                                     {1, true},
                                     {Bare, false},
                                     {0, true},
                                     {Bare, false},
                                     {1, false},
                                     {Bare, false}}};

// The samples and the misses of each row of the table.
enum Row { GameKey, GameClick, BareClick, RowCount };
using Samples = std::array<std::vector<double>, RowCount>;

Row rowOf(const Step &step)
{
    return step.target == Bare ? BareClick : step.key ? GameKey : GameClick;
}

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
        // Kept with the game's window, as the game's own windows are: a click in it is no
        // leaving the game, which would pause it.
        m_bareWindow.winId();
        m_bareWindow.windowHandle()->setTransientParent(m_main.windowHandle());
        m_bareWindow.show();
        Q_EMIT control<Label>(&m_main, "newGameCommand")->clicked();
    }

    // Makes the target show something other than its caption after a click.
    Target prepare(int target)
    {
        if (target == Bare) {
            m_bare->setText(QStringLiteral("9"));
            return {onScreen(m_bare), m_bareWindow.winId()};
        }
        if (m_clicksThisGame++ == 2 * ClicksPerGame) {
            Q_EMIT control<Label>(&m_main, "newGameCommand")->clicked();
            m_clicksThisGame = 1;
        }
        const int index = cellOf(target);
        QMetaObject::invokeMethod(gameTimer(&m_main, QStringLiteral("cellTimer%1").arg(index)),
                                  "timeout");
        const QPushButton *cell = this->cell(target);
        if (!cell->isEnabled() || cell->text() == QLatin1String("10"))
            qFatal("cell %d is not ready for a click: \"%s\"", index, qPrintable(cell->text()));
        return {onScreen(cell), m_main.winId()};
    }

    // What the target shows, after a click or a key, in Qt's own view.
    QString caption(int target) const
    {
        return target == Bare ? m_bare->text() : cell(target)->text();
    }

    unsigned long gameWindow() const { return m_main.winId(); }

private:
    QPushButton *cell(int target) const
    {
        return control<QPushButton>(&m_main, QStringLiteral("cell%1").arg(cellOf(target)));
    }

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

template <typename Work> auto onMainThread(Work work)
{
    decltype(work()) result{};
    QMetaObject::invokeMethod(
        qApp, [&] { result = work(); }, Qt::BlockingQueuedConnection);
    return result;
}

void measure(Windows &windows, int rounds, Samples &samples, std::array<int, RowCount> &misses)
{
    XClicker clicker;
    const unsigned long game = onMainThread([&] { return windows.gameWindow(); });
    clicker.watch(game);
    clicker.watch(onMainThread([&] { return windows.prepare(Bare); }).window);
    std::array<QByteArray, Order.size()> expected;
    for (int round = 0; round < Warmups + rounds; ++round) {
        for (std::size_t turn = 0; turn < Order.size(); ++turn) {
            const Step step = Order[turn];
            const Target at = onMainThread([&] { return windows.prepare(step.target); });
            // The same pointer over the same cell for both, so that they differ in the input
            // alone; the keys reach the focused window wherever the pointer is.
            clicker.moveTo(at.onScreen);
            // Qt asks for the focus for a window clicked in, the bare one among them; a click
            // on a cell takes it back with its press, a key needs it handed over first.
            if (step.key)
                clicker.focus(game);
            std::this_thread::sleep_for(std::chrono::milliseconds(SettleMs));
            if (step.key && clicker.focused() != game)
                qFatal("the game's window has lost the X input focus to window 0x%lx",
                       clicker.focused());
            const auto act = [&](const QByteArray &picture) {
                return step.key
                           ? clicker.key(CellKeys[std::size_t(step.target)], at.onScreen, picture)
                           : clicker.click(at.onScreen, picture);
            };
            if (round < Warmups) {
                // The settled picture of the new caption, as the player sees it after the click
                // or key, once the target has taken it.
                act({});
                std::this_thread::sleep_for(std::chrono::milliseconds(4 * SettleMs));
                const QString caption = onMainThread([&] { return windows.caption(step.target); });
                if (caption != QLatin1String("10"))
                    qFatal("a %s did not reach %s, which shows \"%s\"",
                           step.key ? "key press" : "click", qPrintable(nameOf(step.target)),
                           qPrintable(caption));
                expected[turn] = clicker.pixels(at.onScreen);
                continue;
            }
            const double ms = act(expected[turn]);
            if (ms < 0)
                ++misses[rowOf(step)];
            else
                samples[rowOf(step)].push_back(ms);
        }
    }
}

QStringList row(const QString &name, const std::vector<double> &ms, const Samples &samples)
{
    const std::vector<double> &click = samples[GameClick];
    const std::vector<double> &bare = samples[BareClick];
    const double p99 = Bench::quantile(ms, 0.99);
    return {name,
            QString::number(ms.size()),
            Bench::number(Bench::median(ms), 3),
            Bench::number(p99, 3),
            Bench::number(Bench::largest(ms), 3),
            Bench::ratio(Bench::median(ms), Bench::median(click)),
            Bench::ratio(p99, Bench::quantile(click, 0.99)),
            Bench::ratio(Bench::median(ms), Bench::median(bare)),
            Bench::ratio(p99, Bench::quantile(bare, 0.99))};
}

} // namespace

int main(int argc, char **argv)
{
    const int actions = argc > 1 ? std::max(2, QByteArray(argv[1]).toInt()) : 200;
    int programArgc = 1;
    Application application(programArgc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        qFatal("needs the xcb platform: a real X server sees the clicks and keys");
    Windows windows;

    Samples samples;
    std::array<int, RowCount> misses{};
    std::thread measuring;
    QTimer::singleShot(500, &application, [&] {
        measuring = std::thread([&] {
            measure(windows, actions / 2, samples, misses);
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); });
        });
    });
    application.exec();
    measuring.join();

    Bench::printTable(
        QStringLiteral("Click and key to screen: ms from a real click's release or a real key's "
                       "press (XTest) until the X server holds the new caption, platform %1")
            .arg(QGuiApplication::platformName()),
        {QStringLiteral("target"), QStringLiteral("samples"), QStringLiteral("median"),
         QStringLiteral("p99"), QStringLiteral("max"), QStringLiteral("median vs click"),
         QStringLiteral("p99 vs click"), QStringLiteral("median vs bare"),
         QStringLiteral("p99 vs bare")},
        {row(QStringLiteral("key on a game cell"), samples[GameKey], samples),
         row(QStringLiteral("click on a game cell"), samples[GameClick], samples),
         row(QStringLiteral("click on the bare button"), samples[BareClick], samples)});
    const double keyVsClick = Bench::median(samples[GameKey]) / Bench::median(samples[GameClick]);
    const double keyP99 = Bench::quantile(samples[GameKey], 0.99);
    std::printf("\nkey vs click at the median: %.2f× (goal: 1.10× at most, %s); key p99: %.3f ms "
                "(goal: under one 60 Hz frame, 16.7 ms, %s)\n",
                keyVsClick, keyVsClick <= 1.10 ? "met" : "missed", keyP99,
                keyP99 < 16.7 ? "met" : "missed");
    std::printf(
        "never showed within %d ms: %d keys, %d clicks on the game, %d on the bare button\n",
        XClicker::TimeoutMs, misses[GameKey], misses[GameClick], misses[BareClick]);
    // A key whose caption never shows has most likely not reached the game: the keys' figures
    // would leave out what went wrong.
    return misses[GameKey] == 0 ? 0 : 1;
}
