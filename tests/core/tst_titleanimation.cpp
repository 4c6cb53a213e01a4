// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "../support/typedtitles.h"
#include "title/titleanimation.h"

#include <QTest>

namespace {

QString tick(TitleAnimation &title)
{
    const std::optional<QString> text = title.nextTitle();
    return text ? *text : QStringLiteral("<none>");
}

} // namespace

class TitleAnimationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typesTheTitleTickByTick();
    void holdsTheFixedTitleAfterTyping();
    void unarmedTicksShowFrameZero();
    void armDuringTypingDoesNotRestart();
    void armRightAfterTheLastFrameStartsAgain();
};

void TitleAnimationTest::typesTheTitleTickByTick()
{
    TitleAnimation title;
    title.arm();
    const QStringList expected = typedTitles();
    for (int frame = 0; frame < expected.size(); ++frame) {
        QVERIFY(title.hasMoreToShow());
        QCOMPARE(tick(title), expected.at(frame));
    }
    QVERIFY(title.hasMoreToShow()); // the tick that puts the fixed title back
}

void TitleAnimationTest::holdsTheFixedTitleAfterTyping()
{
    TitleAnimation title;
    title.arm();
    for (int i = 0; i < 11; ++i)
        title.nextTitle();
    // English shows "Ka lumbor" for one tick only; from then on the Czech form stays.
    for (int i = 0; i < 50; ++i) {
        QCOMPARE(tick(title), QStringLiteral("Ka ludnik"));
        QVERIFY(!title.hasMoreToShow());
    }
}

void TitleAnimationTest::unarmedTicksShowFrameZero()
{
    TitleAnimation title;
    QCOMPARE(tick(title), QStringLiteral("Ka ludnik"));
    QVERIFY(!title.hasMoreToShow());
}

void TitleAnimationTest::armDuringTypingDoesNotRestart()
{
    TitleAnimation title;
    title.arm();
    for (int i = 0; i < 5; ++i)
        title.nextTitle();
    title.arm();
    QCOMPARE(tick(title), QStringLiteral("Ka l"));
    title.arm();
    title.arm();
    const QStringList expected = typedTitles();
    for (int frame = 6; frame <= 10; ++frame)
        QCOMPARE(tick(title), expected.at(frame));
    QCOMPARE(tick(title), QStringLiteral("Ka ludnik"));
    QVERIFY(!title.hasMoreToShow());
}

void TitleAnimationTest::armRightAfterTheLastFrameStartsAgain()
{
    // The tick that shows the last frame leaves the frame at 11. Arming then must start the
    // typing again, not let the frame count on towards its 8-bit limit.
    TitleAnimation title;
    title.arm();
    for (int i = 0; i < 11; ++i)
        title.nextTitle();
    title.arm();
    const QStringList expected = typedTitles();
    for (int frame = 0; frame <= 10; ++frame)
        QCOMPARE(tick(title), expected.at(frame));
    for (int i = 0; i < 300; ++i)
        QVERIFY(title.nextTitle().has_value());
    QVERIFY(!title.hasMoreToShow());
}

QTEST_GUILESS_MAIN(TitleAnimationTest)
#include "tst_titleanimation.moc"
