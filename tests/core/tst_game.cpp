// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The game in time: which pause stands over which, the countdowns held and given back to the
// millisecond, the time played. No event loop runs, so every tick comes from the test.
#include "../support/heldticks.h"
#include "board/game.h"

#include <QElapsedTimer>
#include <QTest>

#include <numeric>

namespace {

QTimer *cellTimer(const Game &game, int index)
{
    return game.findChild<QTimer *>(QStringLiteral("cellTimer%1").arg(index));
}

void tickAllToDeath(const Game &game)
{
    for (int i = 0; i < Board::CellCount; ++i)
        while (game.board().cell(i).enabled)
            tick(cellTimer(game, i));
}

const Boundary runDirectly = [](const std::function<void()> &work) { work(); };

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pauseReasons_data();
    void pauseReasons();
    void timeStandsStillWhileHeld_data();
    void timeStandsStillWhileHeld();
};

void GameTest::pauseReasons_data()
{
    // What comes, as the window hands it on: P, the table's command (as a click on the cover
    // goes on: the player's word), the focus going and coming, the menu opening and closing.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("held"); // the reason the game is held for after them
    const int none = int(Pause::None), player = int(Pause::Player), away = int(Pause::Away),
              menu = int(Pause::Menu);
    QTest::newRow("nothing to hold before a game") << "P" << none;
    QTest::newRow("P holds") << "new game, P" << player;
    QTest::newRow("P goes on") << "new game, P, P" << none;
    QTest::newRow("leaving holds") << "new game, away" << away;
    QTest::newRow("coming back goes on") << "new game, away, back" << none;
    QTest::newRow("the player's pause outlasts leaving") << "new game, P, away, back" << player;
    QTest::newRow("the table holds as P") << "new game, table" << player;
    QTest::newRow("the menu holds") << "new game, menu" << menu;
    QTest::newRow("and lets go") << "new game, menu, menu closes" << none;
    QTest::newRow("its Pause is the player's") << "new game, menu, P, menu closes" << player;
    QTest::newRow("its table too") << "new game, menu, table, menu closes" << player;
    QTest::newRow("it leaves the player's pause") << "new game, P, menu, menu closes" << player;
    QTest::newRow("leaving outlasts it") << "new game, menu, away, menu closes" << away;
    QTest::newRow("a new game goes on") << "new game, P, new game" << none;
    QTest::newRow("nothing to hold after game over") << "new game, over, P" << none;
}

void GameTest::pauseReasons()
{
    QFETCH(QString, steps);
    QFETCH(int, held);
    Game game(runDirectly);
    const std::map<QString, std::function<void()>> actions{
        {"new game", [&] { game.newGame(); }},
        {"P", [&] { game.togglePause(); }},
        {"table", [&] { game.pause(Pause::Player); }},
        {"away", [&] { game.pause(Pause::Away); }},
        {"back", [&] { game.resume(Pause::Away); }},
        {"menu", [&] { game.pause(Pause::Menu); }},
        {"menu closes", [&] { game.resume(Pause::Menu); }},
        {"over", [&] { tickAllToDeath(game); }}};
    for (const QString &step : steps.split(QStringLiteral(", ")))
        actions.at(step)();
    QCOMPARE(int(game.board().pauseReason()), held);
    // Held, every countdown stops, and neither a click nor a tick changes a cell or the score;
    // otherwise each live cell's runs.
    const bool running = game.board().phase() == GamePhase::Running;
    const bool going = held == int(Pause::None);
    for (int i = 0; i < Board::CellCount; ++i)
        QCOMPARE(cellTimer(game, i)->isActive(), running && going && game.board().cell(i).enabled);
    if (!running)
        return;
    const QString caption = game.board().cell(4).caption;
    tick(cellTimer(game, 4));
    game.click(5);
    QCOMPARE(game.board().cell(4).caption != caption, going);
    QCOMPARE(game.board().score() != 0, going);
}

void GameTest::timeStandsStillWhileHeld_data()
{
    QTest::addColumn<QList<int>>("playedMs"); // played before each pause
    QTest::addColumn<QList<int>>("heldMs");   // each pause
    QTest::newRow("the rest of a period") << QList<int>{0} << QList<int>{0};
    QTest::newRow("the time played") << QList<int>{20, 20} << QList<int>{40, 40};
}

void GameTest::timeStandsStillWhileHeld()
{
    QFETCH(QList<int>, playedMs);
    QFETCH(QList<int>, heldMs);
    Game game(runDirectly);
    QTimer *timer = cellTimer(game, 4);
    QElapsedTimer whole;
    whole.start();
    game.newGame();
    for (qsizetype i = 0; i < playedMs.size(); ++i) {
        QTest::qSleep(playedMs[i]); // no event is processed meanwhile: nothing ticks
        // The rest, to the millisecond: what the timer had left when the pause came.
        QElapsedTimer took;
        took.start();
        const int left = timer->remainingTime();
        game.togglePause();
        const qint64 tookMs = took.elapsed();
        QTest::qSleep(heldMs[i]);
        game.togglePause();
        const int rest = timer->interval();
        QVERIFY2(rest <= left && rest >= left - tookMs - 1,
                 qPrintable(QString::asprintf("%d of %d ms left, %lld taken", rest, left, tookMs)));
    }
    const auto sum = [](const QList<int> &ms) { return std::accumulate(ms.begin(), ms.end(), 0); };
    const qint64 played = game.playedTime();
    QVERIFY(played >= sum(playedMs) && played <= whole.elapsed() - sum(heldMs));
    tick(timer);
    QCOMPARE(timer->interval(), 1000); // its own period again
    // A new game starts every period afresh, the untouched ones too.
    QElapsedTimer restart;
    restart.start();
    game.newGame();
    for (int i = 0; i < Board::CellCount; ++i)
        QVERIFY(cellTimer(game, i)->remainingTime() >= 1000 - restart.elapsed() - 2);
    // From game over on, the time played stands still.
    tickAllToDeath(game);
    const qint64 atEnd = game.playedTime();
    QTest::qSleep(2);
    QCOMPARE(game.playedTime(), atEnd);
}

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"
