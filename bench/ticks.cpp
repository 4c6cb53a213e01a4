// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Tick accuracy of the real main window's cell and title timers in a running game, against bare
// Qt precise timers at the same periods on the same schedule, in the same process.
//
// The rules do not let a cell hold a period for long: a click puts the countdown back to "10"
// but also shortens the period, and a cell left alone dies at its tenth tick. So the game is
// played in rounds. Each round starts a new game and clicks the cells, never the same one twice
// in a row as a player must, until they hold the nine periods 1000 to 50 ms (rotated one cell
// on per round); then the cells tick untouched until the next round. Every tick is a sample:
// the time since the previous tick of its timer, or since the click or new game that started
// its period. Drift is measured over each such run of ticks (ten at most: the cell dies), and
// over each run of the title timer, which types the title from each new game and then stops. The
// baseline runs bare QTimers through the same rounds, each stopped at its tenth tick as a cell
// dies.
//
// usage: bench_ticks [seconds for each side, default 60]
#include "../tests/support/controls.h"
#include "benchsupport.h"

#include "application.h"
#include "board/board.h"
#include "label.h"
#include "mainwindow.h"

#include <QPushButton>
#include <QTimer>

#include <QEventLoop>
#include <QProperty>
#include <QTimer>
#include <QTimerEvent>

#include <array>
#include <limits>
#include <map>
#include <memory>

using toolkit::Label;

namespace {

constexpr std::array<int, Board::CellCount> Periods{1000, 750, 500, 400, 300, 200, 150, 100, 50};
constexpr int TitlePeriod = 100;
constexpr int RoundMs = 2600; // two ticks at 1000 ms; the fast cells die within it
constexpr int TicksToDeath = 10;

int periodOf(int cell, int round)
{
    return Periods[std::size_t((cell + round) % Board::CellCount)];
}

struct Series {
    std::vector<double> errorsMs; // |actual − nominal| of every interval
    double worstDriftMs = 0.0;    // largest |drift| over a run of ticks from a restart
    int worstDriftTicks = 0;
    double drift200Ms = std::numeric_limits<double>::quiet_NaN(); // after 200 ticks
    double lastDriftMs = 0.0; // at the last tick of the longest run
    int lastDriftTicks = 0;
};

struct Record {
    std::map<int, Series> cells; // by period
    Series title;
};

// Watches one QTimer without changing it: its timer events, timestamped before the timer acts
// on them, and every start of a new period.
class Probe : public QObject {
public:
    Probe(QTimer *timer, Record &record, bool title)
        : m_timer(timer), m_record(record), m_title(title)
    {
        timer->installEventFilter(this);
        m_starts = timer->bindableActive().addNotifier([this] {
            if (m_timer->isActive())
                started(Bench::nowNs());
        });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer &&
            static_cast<QTimerEvent *>(event)->timerId() == m_timer->timerId())
            ticked(Bench::nowNs());
        return false;
    }

private:
    void started(qint64 at)
    {
        m_start = at;
        m_last = at;
        m_ticks = 0;
    }

    void ticked(qint64 at)
    {
        if (m_last < 0) { // started before the probe came: measure from this tick on
            started(at);
            return;
        }
        const int period = m_timer->interval();
        Series &series = m_title ? m_record.title : m_record.cells[period];
        series.errorsMs.push_back(std::abs(double(at - m_last) / 1e6 - period));
        ++m_ticks;
        const double drift = std::abs(double(at - m_start) / 1e6 - double(m_ticks) * period);
        if (drift > series.worstDriftMs) {
            series.worstDriftMs = drift;
            series.worstDriftTicks = m_ticks;
        }
        if (m_ticks == 200)
            series.drift200Ms = drift;
        if (m_ticks >= series.lastDriftTicks) {
            series.lastDriftMs = drift;
            series.lastDriftTicks = m_ticks;
        }
        m_last = at;
    }

    QTimer *m_timer;
    Record &m_record;
    bool m_title;
    QPropertyNotifier m_starts;
    qint64 m_start = -1;
    qint64 m_last = -1;
    int m_ticks = 0;
};

void runEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Nine bare timers and a title timer, through the same rounds.
void runBaseline(Record &record, int milliseconds)
{
    std::array<std::unique_ptr<QTimer>, Board::CellCount> cells;
    std::array<int, Board::CellCount> ticks{};
    QTimer title;
    std::vector<std::unique_ptr<Probe>> probes; // gone before the timers they watch
    for (int i = 0; i < Board::CellCount; ++i) {
        cells[std::size_t(i)] = std::make_unique<QTimer>();
        QTimer *cell = cells[std::size_t(i)].get();
        cell->setTimerType(Qt::PreciseTimer);
        probes.push_back(std::make_unique<Probe>(cell, record, false));
        QObject::connect(cell, &QTimer::timeout, cell, [cell, &ticks, i] {
            if (++ticks[std::size_t(i)] == TicksToDeath)
                cell->stop();
        });
    }
    title.setTimerType(Qt::PreciseTimer);
    QObject::connect(&title, &QTimer::timeout, &title, [] {});
    probes.push_back(std::make_unique<Probe>(&title, record, true));
    title.start(TitlePeriod);

    int round = 0;
    const auto startRound = [&] {
        for (int i = 0; i < Board::CellCount; ++i) {
            ticks[std::size_t(i)] = 0;
            cells[std::size_t(i)]->start(periodOf(i, round));
        }
        ++round;
    };
    QTimer rounds;
    rounds.setTimerType(Qt::PreciseTimer);
    QObject::connect(&rounds, &QTimer::timeout, &rounds, startRound);
    startRound();
    rounds.start(RoundMs);
    runEventLoopFor(milliseconds);
}

QTimer *cellTimer(const MainWindow &window, int cell)
{
    return gameTimer(&window, QStringLiteral("cellTimer%1").arg(cell));
}

// A new game, then clicks until every cell holds its period of this round. The cell with the
// most clicks still to come goes first, never the cell clicked last (`last`, kept from round to
// round as the game keeps it), whose click would be ignored. The commands and cells act as on a
// click, without the input events.
void playRound(MainWindow &window, int round, int &last)
{
    Q_EMIT control<Label>(&window, "newGameCommand")->clicked();
    std::array<int, Board::CellCount> clicks{};
    for (int i = 0; i < Board::CellCount; ++i)
        clicks[std::size_t(i)] = (1000 - periodOf(i, round)) / 50;
    for (;;) {
        int next = -1;
        for (int i = 0; i < Board::CellCount; ++i) {
            if (i != last && clicks[std::size_t(i)] > 0 &&
                (next < 0 || clicks[std::size_t(i)] > clicks[std::size_t(next)]))
                next = i;
        }
        if (next < 0)
            break;
        control<QPushButton>(&window, QStringLiteral("cell%1").arg(next))->click();
        --clicks[std::size_t(next)];
        last = next;
    }
    for (int i = 0; i < Board::CellCount; ++i) {
        if (cellTimer(window, i)->interval() != periodOf(i, round))
            qFatal("cell %d holds %d ms, not %d", i, cellTimer(window, i)->interval(),
                   periodOf(i, round));
    }
}

void runGame(Record &record, int milliseconds)
{
    const std::unique_ptr<MainWindow> mainWindow =
        static_cast<Application *>(QCoreApplication::instance())->makeMainWindow();
    MainWindow &window = *mainWindow;
    window.show();
    runEventLoopFor(300); // shown and painted
    std::vector<std::unique_ptr<Probe>> probes;
    for (int i = 0; i < Board::CellCount; ++i)
        probes.push_back(std::make_unique<Probe>(cellTimer(window, i), record, false));
    QTimer *title = gameTimer(&window, "titleTimer");
    probes.push_back(std::make_unique<Probe>(title, record, true));

    int round = 0;
    QTimer rounds;
    rounds.setTimerType(Qt::PreciseTimer);
    int last = -1;
    QObject::connect(&rounds, &QTimer::timeout, &window, [&] { playRound(window, round++, last); });
    playRound(window, round++, last);
    rounds.start(RoundMs);
    runEventLoopFor(milliseconds);
}

QStringList row(const QString &name, const Series &game, const Series &base, bool title)
{
    const auto drift = [title](const Series &s) {
        if (title)
            return QStringLiteral("%1 after 200, %2 after %3")
                .arg(std::isnan(s.drift200Ms) ? QStringLiteral("–") : Bench::number(s.drift200Ms))
                .arg(Bench::number(s.lastDriftMs))
                .arg(s.lastDriftTicks);
        return QStringLiteral("%1 (%2 ticks)")
            .arg(Bench::number(s.worstDriftMs))
            .arg(s.worstDriftTicks);
    };
    const double gameP99 = Bench::quantile(game.errorsMs, 0.99);
    const double baseP99 = Bench::quantile(base.errorsMs, 0.99);
    return {name,
            QString::number(game.errorsMs.size()),
            Bench::number(Bench::median(game.errorsMs), 3),
            Bench::number(gameP99, 3),
            Bench::number(Bench::largest(game.errorsMs), 3),
            drift(game),
            QString::number(base.errorsMs.size()),
            Bench::number(Bench::median(base.errorsMs), 3),
            Bench::number(baseP99, 3),
            Bench::number(Bench::largest(base.errorsMs), 3),
            drift(base),
            Bench::ratio(gameP99, baseP99)};
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 60;
    int programArgc = 1;
    Application application(programArgc, argv);

    // Two halves each, taking turns, so that a change on the machine meets both sides.
    Record game;
    Record base;
    const int half = seconds * 1000 / 2;
    runBaseline(base, half);
    runGame(game, half);
    runBaseline(base, half);
    runGame(game, half);

    std::vector<QStringList> rows;
    for (const int period : Periods)
        rows.push_back(row(QString::number(period), game.cells[period], base.cells[period], false));
    rows.push_back(
        row(QStringLiteral("%1 (title)").arg(TitlePeriod), game.title, base.title, true));
    Bench::printTable(
        QStringLiteral("Tick accuracy: |actual − nominal| tick interval in ms, and drift in ms; "
                       "main window (offscreen) in a running game against bare precise QTimers, "
                       "%1 s each, same rounds of %2 ms")
            .arg(seconds)
            .arg(RoundMs),
        {QStringLiteral("period ms"), QStringLiteral("ticks"), QStringLiteral("median"),
         QStringLiteral("p99"), QStringLiteral("max"), QStringLiteral("worst drift"),
         QStringLiteral("baseline ticks"), QStringLiteral("baseline median"),
         QStringLiteral("baseline p99"), QStringLiteral("baseline max"),
         QStringLiteral("baseline drift"), QStringLiteral("p99 ratio")},
        rows);
    return 0;
}
