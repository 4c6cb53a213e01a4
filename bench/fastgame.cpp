// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// CPU of the game while it ticks at its fastest: every cell at 50 ms. A cell gets there after
// 19 accepted clicks and dies at its tenth tick, so the game is played in rounds: a new game,
// 171 clicks that alternate the cells as a player must (via the cells' own click), then nine
// ticks of every cell at 50 ms, and the next round's new game before the tenth. What a round
// does besides ticking is left out of the figure: the new game and the clicks are timed apart
// and taken off, the title's typing that a new game starts is stopped, and no game ends (no
// game-over label, sound or save). CPU time of the whole process, all threads, read every
// second. The baseline, in the same process: nine bare QPushButtons in a bare window, each
// counting down on its own 50 ms precise QTimer from 10 in the cells' bold 17.25 pt face,
// restarted on the same rounds. Game and
// baseline are measured in five alternating runs; the ratio is the median of the runs' ratios.
//
// usage: bench_fastgame [seconds a run, default 8]
#include "../tests/support/controls.h"
#include "benchsupport.h"

#include "application.h"
#include "board/board.h"
#include "fonts.h"
#include "label.h"
#include "mainwindow.h"

#include <QPushButton>
#include <QTimer>

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include <ctime>
#include <unistd.h>

using toolkit::Label;

namespace {

constexpr int ClicksToFastest = 19;
constexpr int RoundMs = 475; // nine ticks at 50 ms; the tenth would end the game
constexpr int Runs = 5;

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void playRound(MainWindow &window)
{
    Q_EMIT control<Label>(&window, "newGameCommand")->clicked();
    gameTimer(&window, QStringLiteral("titleTimer"))->stop();
    for (int click = 0; click < ClicksToFastest; ++click) {
        for (int i = 0; i < Board::CellCount; ++i)
            control<QPushButton>(&window, QStringLiteral("cell%1").arg(i))->click();
    }
    for (int i = 0; i < Board::CellCount; ++i) {
        const QTimer *timer = gameTimer(&window, QStringLiteral("cellTimer%1").arg(i));
        if (timer->interval() != 50 || !timer->isActive())
            qFatal("cell %d ticks at %d ms", i, timer->interval());
    }
}

struct Seconds {
    std::vector<double> total;  // ms of CPU in each second
    std::vector<double> rounds; // of which the rounds' set-up (the game's clicks)
    int roundCount = 0;
};

// Runs `playRound` every RoundMs for `seconds`, reading the process's CPU time every second.
Seconds measure(const std::function<void()> &playRound, int seconds)
{
    Seconds result;
    const qint64 pid = getpid();
    double roundNs = 0;
    QTimer round;
    round.setTimerType(Qt::PreciseTimer);
    QObject::connect(&round, &QTimer::timeout, &round, [&] {
        const qint64 before = threadCpuNs();
        playRound();
        roundNs += double(threadCpuNs() - before);
        ++result.roundCount;
    });
    qint64 last = Bench::cpuTimeNs(pid);
    double lastRoundNs = 0;
    QEventLoop loop;
    QTimer second;
    second.setTimerType(Qt::PreciseTimer);
    QObject::connect(&second, &QTimer::timeout, &second, [&] {
        const qint64 now = Bench::cpuTimeNs(pid);
        result.total.push_back(double(now - last) / 1e6);
        result.rounds.push_back((roundNs - lastRoundNs) / 1e6);
        last = now;
        lastRoundNs = roundNs;
        if (int(result.total.size()) == seconds)
            loop.quit();
    });
    round.start(RoundMs);
    second.start(1000);
    loop.exec();
    return result;
}

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
}

// Nine bare buttons counting down at 50 ms, ten ticks each, restarted every round.
class BareGrid {
public:
    BareGrid()
    {
        m_window.resize(574, 367);
        m_window.move(640, 0); // beside the game's window, which stays open
        for (int i = 0; i < Board::CellCount; ++i) {
            auto *button = new QPushButton(QStringLiteral("10"), &m_window);
            // The design's face for the cells, whose drawing is Qt's cost, not the game's.
            button->setFont(toolkit::fonts::font({toolkit::fonts::SansSerif, 17.25, true}));
            button->setGeometry(360 + 72 * (i % 3), 8 + 72 * (i / 3), 65, 65);
            auto &timer = m_timers[std::size_t(i)];
            timer = std::make_unique<QTimer>();
            timer->setTimerType(Qt::PreciseTimer);
            QObject::connect(timer.get(), &QTimer::timeout, button, [this, button, i] {
                int &count = m_counts[std::size_t(i)];
                button->setText(--count > 0 ? QString::number(count) : QStringLiteral("X"));
                if (count == 0)
                    m_timers[std::size_t(i)]->stop();
            });
        }
        m_window.show();
    }

    void playRound()
    {
        for (int i = 0; i < Board::CellCount; ++i) {
            m_counts[std::size_t(i)] = 10;
            m_timers[std::size_t(i)]->start(50);
        }
    }

private:
    QWidget m_window;
    std::array<std::unique_ptr<QTimer>, Board::CellCount> m_timers;
    std::array<int, Board::CellCount> m_counts{};
};

QString percent(double msPerSecond)
{
    return Bench::number(msPerSecond / 10.0, 3) + QStringLiteral(" %");
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 8;
    int programArgc = 1;
    Application application(programArgc, argv);
    const std::unique_ptr<MainWindow> window =
        static_cast<Application *>(QCoreApplication::instance())->makeMainWindow();
    window->show();
    BareGrid grid;
    settle();

    std::vector<QStringList> rows;
    std::vector<double> ratios;
    int rounds = 0;
    for (int run = 1; run <= Runs; ++run) {
        const Seconds game = measure([&window] { playRound(*window); }, seconds);
        const Seconds bare = measure([&grid] { grid.playRound(); }, seconds);
        std::vector<double> ticksOnly;
        for (std::size_t i = 0; i < game.total.size(); ++i)
            ticksOnly.push_back(game.total[i] - game.rounds[i]);
        const double ticks = Bench::median(ticksOnly);
        ratios.push_back(ticks / Bench::median(bare.total));
        rounds += game.roundCount;
        rows.push_back({QString::number(run), percent(Bench::median(game.total)),
                        Bench::number(Bench::median(game.rounds), 2), percent(ticks),
                        percent(Bench::largest(ticksOnly)), percent(Bench::median(bare.total)),
                        Bench::number(ratios.back(), 2) + QStringLiteral("×")});
    }
    Bench::printTable(
        QStringLiteral("CPU of a game ticking at its fastest (nine cells at 50 ms), median second "
                       "of each of %1 alternating runs of %2 s, %3 rounds, platform %4, all "
                       "threads; baseline: nine bare QPushButtons counting down on 50 ms QTimers")
            .arg(Runs)
            .arg(seconds)
            .arg(rounds)
            .arg(QGuiApplication::platformName()),
        {QStringLiteral("run"), QStringLiteral("game, of one core"),
         QStringLiteral("of which new game and 171 clicks, ms a second"),
         QStringLiteral("ticks alone, of one core"), QStringLiteral("ticks alone, worst second"),
         QStringLiteral("bare buttons, of one core"), QStringLiteral("ratio")},
        rows);
    std::printf("\nticks alone vs bare buttons, median of %d runs: %s×\n", Runs,
                qUtf8Printable(Bench::number(Bench::median(ratios), 2)));
    return 0;
}
