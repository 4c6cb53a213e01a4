// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// Long random runs of new games, clicks and ticks against the board, checked after every step
// against a second account of the rules and the board's invariants.
//
//   KALUDNIK_PROPERTY_SEED=<n>   repeats a run (a failure prints its seed)
//   KALUDNIK_PROPERTY_STEPS=<n>  steps per test function (default one million)
#include "../support/runsettings.h"
#include "boardwatch.h"

#include <QElapsedTimer>
#include <QTest>

#include <array>
#include <memory>
#include <random>

namespace {

constexpr qint64 DefaultSteps = 1'000'000;

// Which events a run may send.
enum class Mix {
    Delivered, // only what the window delivers: clicks on enabled cells, ticks of running timers
    Anything,  // also clicks on disabled cells, ticks of stopped timers and indexes out of range
};

struct Event {
    enum Kind : quint8 { FreshBoard, NewGame, Click, Tick } kind;
    int index;
};

QString describe(const Event &event)
{
    switch (event.kind) {
    case Event::FreshBoard:
        return QStringLiteral("fresh board");
    case Event::NewGame:
        return QStringLiteral("new game");
    case Event::Click:
        return QStringLiteral("click %1").arg(event.index);
    case Event::Tick:
        return QStringLiteral("tick %1").arg(event.index);
    }
    return {};
}

// One random run. Each game draws its own mix of events, so that some games are all clicks and
// reach the full score, some die of neglect, and some are cut short by a new game.
class Run {
public:
    Run(quint64 seed, Mix mix) : m_random(seed), m_mix(mix) { freshBoard(); }

    // Returns the first problem with the events that led to it, or an empty text.
    QString go(qint64 steps)
    {
        for (qint64 step = 0; step < steps; ++step) {
            const Event event = next();
            m_recent[std::size_t(step) % m_recent.size()] = event;
            const QString problem = apply(event);
            if (!problem.isEmpty())
                return report(step, problem);
        }
        return {};
    }

    const BoardWatch::Tally &tally() const { return m_watch.tally(); }

private:
    struct Style {
        double newGame;          // cut the game short
        double click;            // a click rather than a tick
        double repeat;           // click the last clicked cell again
        double undeliveredClick; // a click on a cell that is not live
        double undeliveredTick;  // a tick of a cell that is not live
        double badIndex;         // an index that no button or timer has
    };

    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_random); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T, std::size_t N> T pick(const std::array<T, N> &from)
    {
        return from[std::size_t(below(int(N)))];
    }

    void newStyle()
    {
        const bool anything = m_mix == Mix::Anything;
        m_style.newGame = pick(std::array{0.0, 0.0, 1e-3, 2e-2});
        m_style.click = 0.3 + 0.65 * uniform();
        m_style.repeat = pick(std::array{0.0, 0.05, 0.3});
        m_style.undeliveredClick = anything ? pick(std::array{0.0, 0.02, 0.2}) : 0.0;
        m_style.undeliveredTick = anything ? pick(std::array{0.0, 0.01, 0.1}) : 0.0;
        m_style.badIndex = anything ? pick(std::array{0.0, 0.002, 0.02}) : 0.0;
    }

    void freshBoard()
    {
        m_board = std::make_unique<Board>();
        m_watch.freshBoard();
        newStyle();
    }

    Event next()
    {
        if (uniform() < 1e-4)
            return {Event::FreshBoard, 0};
        if (uniform() < m_style.badIndex) {
            const int index = pick(std::array{-32768, -2, -1, 9, 10, 32767, below(65536) - 32768});
            return {uniform() < 0.5 ? Event::Click : Event::Tick, index};
        }
        const double u = uniform();
        if (u < m_style.undeliveredClick + m_style.undeliveredTick) {
            const int index = below(Board::CellCount);
            if (!m_watch.wouldDeliverClick(index))
                return {u < m_style.undeliveredClick ? Event::Click : Event::Tick, index};
        }

        std::array<int, Board::CellCount> live{};
        int liveCount = 0;
        for (int i = 0; i < Board::CellCount; ++i) {
            if (m_watch.wouldDeliverClick(i))
                live[std::size_t(liveCount++)] = i;
        }
        if (liveCount == 0 && m_mix == Mix::Anything && uniform() < 0.7) {
            // Nothing is live: before the first game or after the last. Linger there a while.
            const int index = below(Board::CellCount);
            return {uniform() < 0.5 ? Event::Click : Event::Tick, index};
        }
        if (liveCount == 0 || uniform() < m_style.newGame)
            return {Event::NewGame, 0};
        if (uniform() < m_style.click) {
            const int last = BoardProbe::lastClicked(*m_board) - 1;
            if (uniform() < m_style.repeat && m_watch.wouldDeliverClick(last))
                return {Event::Click, last};
            return {Event::Click, live[std::size_t(below(liveCount))]};
        }
        return {Event::Tick, live[std::size_t(below(liveCount))]};
    }

    QString apply(const Event &event)
    {
        switch (event.kind) {
        case Event::FreshBoard:
            freshBoard();
            return {};
        case Event::NewGame:
            newStyle();
            return m_watch.newGame(*m_board);
        case Event::Click:
            return m_watch.click(*m_board, event.index);
        case Event::Tick:
            return m_watch.tick(*m_board, event.index);
        }
        return {};
    }

    QString report(qint64 step, const QString &problem) const
    {
        QString text =
            QStringLiteral("step %1: %2\nlast events, oldest first:").arg(step).arg(problem);
        const qint64 first = std::max<qint64>(0, step + 1 - qint64(m_recent.size()));
        for (qint64 s = first; s <= step; ++s)
            text += QLatin1Char(' ') + describe(m_recent[std::size_t(s) % m_recent.size()]) +
                    QLatin1Char(';');
        return text + QStringLiteral("\nboard now: ") + BoardWatch::describe(*m_board);
    }

    std::mt19937_64 m_random;
    Mix m_mix;
    Style m_style{};
    std::unique_ptr<Board> m_board;
    BoardWatch m_watch;
    std::array<Event, 40> m_recent{};
};

QString summary(const BoardWatch::Tally &t)
{
    return QStringLiteral("%1 new games, %2 scored, %3 ignored, %4 killed by clicks, %5 ticks, "
                          "%6 killed by ticks; game over %7 by ticks, %8 by clicks; %9 full "
                          "scores; %10 undelivered clicks (%11 scored), %12 undelivered ticks, "
                          "%13 repeated game overs, %14 errors")
        .arg(t.newGames)
        .arg(t.scored)
        .arg(t.ignored)
        .arg(t.killedByClick)
        .arg(t.ticks)
        .arg(t.killedByTick)
        .arg(t.gameOversByTick)
        .arg(t.gameOversByClick)
        .arg(t.fullScores)
        .arg(t.undeliveredClicks)
        .arg(t.undeliveredScores)
        .arg(t.undeliveredTicks)
        .arg(t.repeatedGameOvers)
        .arg(t.errors);
}

} // namespace

class BoardPropertiesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void eventsTheWindowDelivers();
    void eventsTheWindowNeverDelivers();

private:
    // Runs `steps` random steps and fails with the seed and the events that led to a problem.
    BoardWatch::Tally run(Mix mix);

    quint64 m_seed = 0;
};

void BoardPropertiesTest::initTestCase()
{
    m_seed = seedFromEnvironment("KALUDNIK_PROPERTY_SEED");
    qInfo("seed %llu (KALUDNIK_PROPERTY_SEED=%llu repeats this run)", m_seed, m_seed);
}

BoardWatch::Tally BoardPropertiesTest::run(Mix mix)
{
    const qint64 steps = countFromEnvironment("KALUDNIK_PROPERTY_STEPS", DefaultSteps);
    Run run(m_seed, mix);
    QElapsedTimer clock;
    clock.start();
    const QString problem = run.go(steps);
    const qint64 elapsed = clock.elapsed();
    if (!problem.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("seed %1 (KALUDNIK_PROPERTY_SEED=%1 repeats "
                                               "this run), %2")
                                    .arg(m_seed)
                                    .arg(problem)),
                     __FILE__, __LINE__);
        return {};
    }
    qInfo("%lld steps in %lld ms: %s", steps, elapsed, qPrintable(summary(run.tally())));
    return run.tally();
}

// Only what the window would deliver: every invariant holds after every step.
void BoardPropertiesTest::eventsTheWindowDelivers()
{
    const BoardWatch::Tally tally = run(Mix::Delivered);
    if (QTest::currentTestFailed())
        return;
    // The run reached every corner that the invariants speak of.
    QCOMPARE(tally.undeliveredClicks + tally.undeliveredTicks + tally.errors, 0);
    QVERIFY(tally.ignored > 0);
    QVERIFY(tally.killedByClick > 0);
    QVERIFY(tally.killedByTick > 0);
    QVERIFY(tally.gameOversByTick > 0);
    QVERIFY(tally.gameOversByClick > 0);
    QVERIFY(tally.fullScores > 0);
    QCOMPARE(tally.bestScore, 1710);
    QCOMPARE(tally.fastestPeriod, 50);
}

// Clicks on disabled cells, ticks of stopped timers and indexes out of range as well: the rules
// do not look at the flags, so the invariants that rest on the window are relaxed for the rest
// of such a game; the others hold, and an event that raises an error leaves the board as it was.
void BoardPropertiesTest::eventsTheWindowNeverDelivers()
{
    const BoardWatch::Tally tally = run(Mix::Anything);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(tally.undeliveredClicks > 0);
    QVERIFY(tally.undeliveredScores > 0);
    QVERIFY(tally.undeliveredTicks > 0);
    QVERIFY(tally.repeatedGameOvers > 0);
    for (const RuleError::Kind kind :
         {RuleError::Kind::Overflow, RuleError::Kind::SubscriptOutOfRange,
          RuleError::Kind::TypeMismatch})
        QVERIFY2(tally.errorsByKind[std::size_t(kind)] > 0, RuleError::message(kind));
    QVERIFY(tally.gameOversByTick > 0);
    QVERIFY(tally.gameOversByClick > 0);
}

QTEST_GUILESS_MAIN(BoardPropertiesTest)

#include "tst_boardproperties.moc"
