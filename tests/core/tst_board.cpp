// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "board/board.h"
#include "board/checkedmath.h"
#include "board/numbertext.h"
#include "board/ruleerror.h"

#include <QTest>

#include <limits>

using Kind = RuleError::Kind;

namespace {

bool isLive(const Cell &cell)
{
    return cell.enabled && cell.timerEnabled && cell.caption != QLatin1String("X");
}

// Ticks cell `index` until it dies; returns what the last tick reported.
bool tickToDeath(Board &board, int index)
{
    bool gameOver = false;
    while (board.cell(index).enabled)
        gameOver = board.tick(qint16(index));
    return gameOver;
}

// After a new game: every cell live at "10" with the starting period.
void verifyEveryCellStartsAfresh(const Board &board)
{
    for (int i = 0; i < Board::CellCount; ++i) {
        const Cell &cell = board.cell(i);
        QVERIFY(isLive(cell));
        QCOMPARE(cell.caption, QStringLiteral("10"));
        QCOMPARE(cell.interval, 1000.0f);
        QCOMPARE(cell.timerInterval, 1000);
    }
}

} // namespace

#define QVERIFY_RULE_ERROR(expression, expectedKind)                                               \
    do {                                                                                           \
        try {                                                                                      \
            expression;                                                                            \
            QFAIL("expected a rule error from " #expression);                                      \
        } catch (const RuleError &error) {                                                         \
            QCOMPARE(error.kind(), expectedKind);                                                  \
        }                                                                                          \
    } while (false)

class BoardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newGameMidGameResetsEverythingButTheClickMemory();

    void acceptedClickResetsSpeedsUpAndScores();
    void repeatClickIsIgnored();
    void clickMemorySurvivesANewGame();
    void nineteenClicksThenTheTwentiethKills();
    void highestScoreIs1710();

    void cellLeftAloneDiesOnItsTenthTick();
    void gameOverComesWithTheTickThatKillsTheLastCell();

    void numberText_data();
    void numberText();

    void clickFailures_data();
    void clickFailures();
    void clickOnIndexMinusOneBeforeAnyClickIsIgnored();
    void tickFailures_data();
    void tickFailures();
    void conversionsAreChecked();
    void roundingTiesToEven_data();
    void roundingTiesToEven();
};

void BoardTest::newGameMidGameResetsEverythingButTheClickMemory()
{
    Board board;
    board.newGame();
    QCOMPARE(board.phase(), GamePhase::Running);
    verifyEveryCellStartsAfresh(board);
    board.click(3);
    board.click(4);
    tickToDeath(board, 0);
    board.tick(5);
    QCOMPARE(board.cell(0).caption, QStringLiteral("X"));
    QCOMPARE(board.score(), 20.0f);

    board.newGame();
    QCOMPARE(board.phase(), GamePhase::Running);
    QCOMPARE(board.score(), 0.0f);
    verifyEveryCellStartsAfresh(board);
}

void BoardTest::acceptedClickResetsSpeedsUpAndScores()
{
    Board board;
    board.newGame();
    board.tick(2);
    board.tick(2);
    QCOMPARE(board.cell(2).caption, QStringLiteral("8"));

    const ClickResult result = board.click(2);
    QCOMPARE(result.outcome, ClickOutcome::Scored);
    QVERIFY(!result.gameOver);
    QCOMPARE(board.cell(2).caption, QStringLiteral("10"));
    QCOMPARE(board.cell(2).interval, 950.0f);
    QCOMPARE(board.cell(2).timerInterval, 950);
    QVERIFY(isLive(board.cell(2)));
    QCOMPARE(board.score(), 10.0f);
}

void BoardTest::repeatClickIsIgnored()
{
    Board board;
    board.newGame();
    board.click(4);
    board.tick(4);
    const Cell before = board.cell(4);

    const ClickResult result = board.click(4);
    QCOMPARE(result.outcome, ClickOutcome::Ignored);
    QVERIFY(!result.gameOver);
    QCOMPARE(board.cell(4).caption, QStringLiteral("9"));
    QCOMPARE(board.cell(4).interval, before.interval);
    QCOMPARE(board.cell(4).timerInterval, before.timerInterval);
    QCOMPARE(board.score(), 10.0f);
}

void BoardTest::clickMemorySurvivesANewGame()
{
    Board board;
    board.newGame();
    QCOMPARE(board.click(7).outcome, ClickOutcome::Scored); // the very first click counts
    board.newGame();

    QCOMPARE(board.click(7).outcome, ClickOutcome::Ignored);
    QCOMPARE(board.score(), 0.0f);
    QCOMPARE(board.cell(7).interval, 1000.0f);

    QCOMPARE(board.click(1).outcome, ClickOutcome::Scored);
    QCOMPARE(board.click(7).outcome, ClickOutcome::Scored);
    QCOMPARE(board.score(), 20.0f);
}

void BoardTest::nineteenClicksThenTheTwentiethKills()
{
    Board board;
    board.newGame();
    float expectedScore = 0.0f;
    for (int click = 1; click <= 19; ++click) {
        QCOMPARE(board.click(0).outcome, ClickOutcome::Scored);
        QCOMPARE(board.cell(0).timerInterval, 1000 - 50 * click);
        QCOMPARE(board.cell(0).interval, float(1000 - 50 * click));
        board.click(1 + click % 2); // another cell between, alternating between 1 and 2
        expectedScore += 20.0f;
    }
    QCOMPARE(board.cell(0).timerInterval, 50);
    QCOMPARE(board.score(), expectedScore);
    QCOMPARE(board.score() - 190.0f, 190.0f); // half the points came from cell 0

    const ClickResult result = board.click(0);
    QCOMPARE(result.outcome, ClickOutcome::Killed);
    QVERIFY(!result.gameOver);
    const Cell &cell = board.cell(0);
    QCOMPARE(cell.caption, QStringLiteral("X"));
    QVERIFY(!cell.enabled);
    QVERIFY(!cell.timerEnabled);
    QCOMPARE(cell.timerInterval, 0);
    QCOMPARE(cell.interval, 0.0f);
    QCOMPARE(board.score(), expectedScore);
    // The killing click is the last accepted click: the dead cell's next click is ignored.
    QCOMPARE(board.click(0).outcome, ClickOutcome::Ignored);
}

void BoardTest::highestScoreIs1710()
{
    Board board;
    board.newGame();
    // Round robin over the nine cells never repeats a cell, so every click is accepted; the
    // twentieth round kills them one by one, without points, and the last kill ends the game.
    for (int round = 0; round < 20; ++round) {
        for (int index = 0; index < Board::CellCount; ++index) {
            const ClickResult result = board.click(qint16(index));
            QCOMPARE(result.gameOver, round == 19 && index == Board::CellCount - 1);
        }
    }
    QCOMPARE(board.score(), 1710.0f);
    QCOMPARE(board.phase(), GamePhase::Over);
    for (int i = 0; i < Board::CellCount; ++i)
        QCOMPARE(board.cell(i).caption, QStringLiteral("X"));
}

void BoardTest::cellLeftAloneDiesOnItsTenthTick()
{
    Board board;
    board.newGame();
    board.click(8);
    for (int tick = 1; tick <= 9; ++tick) {
        QVERIFY(!board.tick(8));
        QCOMPARE(board.cell(8).caption, QString::number(10 - tick));
        QVERIFY(isLive(board.cell(8)));
    }
    QCOMPARE(board.cell(7).caption, QStringLiteral("10")); // the other cells stay
    QVERIFY(!board.tick(8));
    const Cell &cell = board.cell(8);
    QCOMPARE(cell.caption, QStringLiteral("X")); // never a lingering "0"
    QVERIFY(!cell.enabled);
    QVERIFY(!cell.timerEnabled);
    QCOMPARE(cell.timerInterval, 0);
    QCOMPARE(cell.interval, 950.0f); // a countdown death keeps the speed
    QCOMPARE(board.score(), 10.0f);
}

void BoardTest::gameOverComesWithTheTickThatKillsTheLastCell()
{
    Board board;
    board.newGame();
    for (int index = 0; index < 8; ++index) {
        QVERIFY(!tickToDeath(board, index));
        QCOMPARE(board.phase(), GamePhase::Running);
    }
    for (int tick = 1; tick <= 9; ++tick)
        QVERIFY(!board.tick(8));
    QCOMPARE(board.phase(), GamePhase::Running);
    QVERIFY(board.tick(8));
    QCOMPARE(board.phase(), GamePhase::Over);

    board.newGame();
    QCOMPARE(board.phase(), GamePhase::Running);
}

void BoardTest::numberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("back");

    // What a cell and the score line show.
    QTest::newRow("10") << QStringLiteral("10") << 10.0f << QStringLiteral("10");
    QTest::newRow("0") << QStringLiteral("0") << 0.0f << QStringLiteral("0");
    QTest::newRow("1710") << QStringLiteral("1710") << 1710.0f << QStringLiteral("1710");
}

void BoardTest::numberText()
{
    QFETCH(QString, text);
    QFETCH(float, value);
    QFETCH(QString, back);
    QCOMPARE(NumberText::toSingle(text), value);
    QCOMPARE(NumberText::fromSingle(value), back);
}

void BoardTest::clickFailures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Kind>("expected");

    QTest::newRow("32767 overflows index + 1") << 32767 << Kind::Overflow;
    QTest::newRow("9") << 9 << Kind::SubscriptOutOfRange;
}

void BoardTest::clickFailures()
{
    QFETCH(int, index);
    QFETCH(Kind, expected);
    Board board;
    board.newGame();
    QVERIFY_RULE_ERROR(board.click(qint16(index)), expected);
    QCOMPARE(board.score(), 0.0f);
}

void BoardTest::clickOnIndexMinusOneBeforeAnyClickIsIgnored()
{
    // index + 1 is 0, which is what the click memory holds before any click, so the click is
    // ignored before its index is ever checked. After a real click it fails the index test.
    Board board;
    board.newGame();
    QCOMPARE(board.click(-1).outcome, ClickOutcome::Ignored);
    board.click(0);
    QVERIFY_RULE_ERROR(board.click(-1), Kind::SubscriptOutOfRange);
}

void BoardTest::tickFailures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("killFirst");
    QTest::addColumn<Kind>("expected");

    QTest::newRow("tick of a dead cell's X") << 3 << true << Kind::TypeMismatch;
    QTest::newRow("index -1") << -1 << false << Kind::SubscriptOutOfRange;
}

void BoardTest::tickFailures()
{
    QFETCH(int, index);
    QFETCH(bool, killFirst);
    QFETCH(Kind, expected);
    Board board;
    board.newGame();
    if (killFirst)
        tickToDeath(board, index);
    QVERIFY_RULE_ERROR(board.tick(qint16(index)), expected);
}

void BoardTest::conversionsAreChecked()
{
    // Each failure once; a dead cell's "X" is the tick's.
    QVERIFY_RULE_ERROR(NumberText::toSingle(QStringLiteral("1e39")), Kind::TypeMismatch);
    QVERIFY_RULE_ERROR(CheckedMath::single(std::numeric_limits<float>::max() * 2.0f),
                       Kind::FloatingPoint);
    QVERIFY_RULE_ERROR(CheckedMath::roundToInt32(3.0e9f), Kind::Overflow);
}

void BoardTest::roundingTiesToEven_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("950") << 950.0f << 950;
    QTest::newRow("2.5 down") << 2.5f << 2;
    QTest::newRow("3.5 up") << 3.5f << 4;
    QTest::newRow("-2.5") << -2.5f << -2;
    QTest::newRow("0.4") << 0.4f << 0;
}

void BoardTest::roundingTiesToEven()
{
    QFETCH(float, value);
    QFETCH(int, expected);
    QCOMPARE(CheckedMath::roundToInt32(value), expected);
}

QTEST_GUILESS_MAIN(BoardTest)
#include "tst_board.moc"
