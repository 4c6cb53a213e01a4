// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// CPU of the game while it runs at its fastest: every cell ticking at 50 ms. A cell gets there
// after 19 accepted clicks, and a cell left alone dies at its tenth tick, so the game is played
// in rounds: a new game, 171 clicks that alternate the cells as a player must (via the cells'
// own click, without input events), then the nine cells tick at 50 ms until they die, half a
// second later; and again. CPU time of the whole process, all threads, read every second; the
// clicks' share is timed apart, so that the cost of the ticks alone shows too. The baseline, in
// the same process and run: nine bare QPushButtons in a bare window, each counting down on its
// own 50 ms precise QTimer from 10, the timers started together on the same rounds.
//
// usage: bench_fastgame [seconds, default 20]
#include "../tests/support/controls.h"
#include "benchsupport.h"

#include "application.h"
#include "board/board.h"
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
constexpr int RoundMs = 550; // ten ticks at 50 ms, and the game is over

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void playRound(MainWindow &window)
{
    Q_EMIT control<Label>(&window, "newGameCommand")->clicked();
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
        for (int i = 0; i < Board::CellCount; ++i) {
            auto *button = new QPushButton(QStringLiteral("10"), &m_window);
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
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 20;
    int programArgc = 1;
    Application application(programArgc, argv);

    Seconds game;
    {
        const std::unique_ptr<MainWindow> mainWindow =
            static_cast<Application *>(QCoreApplication::instance())->makeMainWindow();
        MainWindow &window = *mainWindow;
        window.show();
        settle();
        game = measure([&window] { playRound(window); }, seconds);
    }
    Seconds bare;
    {
        BareGrid grid;
        settle();
        bare = measure([&grid] { grid.playRound(); }, seconds);
    }

    std::vector<QStringList> rows;
    std::vector<double> ticksOnly;
    for (std::size_t i = 0; i < game.total.size(); ++i) {
        ticksOnly.push_back(game.total[i] - game.rounds[i]);
        rows.push_back({QString::number(i + 1), Bench::number(game.total[i], 2),
                        percent(game.total[i]), Bench::number(game.rounds[i], 2),
                        percent(ticksOnly.back()), percent(bare.total[i])});
    }
    rows.push_back({QStringLiteral("median"), Bench::number(Bench::median(game.total), 2),
                    percent(Bench::median(game.total)),
                    Bench::number(Bench::median(game.rounds), 2), percent(Bench::median(ticksOnly)),
                    percent(Bench::median(bare.total))});
    rows.push_back({QStringLiteral("max"), Bench::number(Bench::largest(game.total), 2),
                    percent(Bench::largest(game.total)),
                    Bench::number(Bench::largest(game.rounds), 2),
                    percent(Bench::largest(ticksOnly)), percent(Bench::largest(bare.total))});
    Bench::printTable(
        QStringLiteral("CPU of a game at its fastest (nine cells at 50 ms), each second of play, "
                       "%1 rounds, platform %2, all threads; baseline: nine bare QPushButtons "
                       "counting down on 50 ms QTimers")
            .arg(game.roundCount)
            .arg(QGuiApplication::platformName()),
        {QStringLiteral("second"), QStringLiteral("CPU ms"), QStringLiteral("of one core"),
         QStringLiteral("of which 171 clicks a round, ms"),
         QStringLiteral("without the clicks, of one core"),
         QStringLiteral("bare buttons, of one core")},
        rows);
    std::printf("\nticks alone vs bare buttons: %s\n",
                qUtf8Printable(Bench::ratio(Bench::median(ticksOnly), Bench::median(bare.total))));
    return 0;
}
