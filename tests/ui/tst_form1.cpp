#include "../support/modalcloser.h"
#include "../support/recordingplatform.h"
#include "text/stringtable.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form4.h"
#include "ui/main/form1.h"
#include "ui/toolkit/button.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/timer.h"

#include <QAccessible>
#include <QTest>

namespace {

bool czech()
{
    return userLanguage() == Language::Czech;
}

QString scoreLine(const char *digits)
{
    return (czech() ? QStringLiteral("S k ó r e : ") : QStringLiteral("S c o r e : ")) +
           QLatin1String(digits);
}

void tick(Form1 &form, int index)
{
    Q_EMIT form.Timer1[index]->tick(index);
}

void tickToDeath(Form1 &form, int index)
{
    while (form.Command1[index]->isEnabled())
        tick(form, index);
}

// The centre of the part of `label` that lies outside `cover`, if any.
std::optional<QPoint> uncoveredPoint(const QWidget *label, const QWidget *cover)
{
    const QRegion free = QRegion(label->geometry()).subtracted(cover->geometry());
    if (free.isEmpty())
        return std::nullopt;
    return label->mapFromParent(free.begin()->center());
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowAsCreated();
    void cellGeometry_data();
    void cellGeometry();
    void commandTextsFollowTheLanguage();
    void labelsKeepTheirLeftTopWhenSized();
    void focusIsOnTheHiddenButton();
    void stackingOrder();

    void newGame();
    void acceptedClickAndIgnoredRepeat();
    void tickCountsDown();
    void deathByTicksShowsGameOverWithOneBeep();
    void clickDeathOfTheLastCellShowsGameOver();
    void newGameDuringAGame();
    void newGameAfterGameOver();
    void titleReplaysAfterANewGame();

    void coveredCommandsDoNothingDuringAGame();
    void helpAndAboutWorkAfterTheGame();
    void spaceOnTheHiddenButtonOpensNameEntry();
    void quitAndCloseAskTheProgramToEnd();
    void ctrlNStartsAGameAndCtrlQQuits();

    void cellsReadTheirPlaceAndCount();
    void commandLabelsReadAsButtons();
    void coveredCommandsCannotBePressedBySpeech();
    void scoreLineReadsItsScore();
    void gameOverIsAnnounced();

private:
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Form1> m_form;
};

void Form1Test::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void Form1Test::cleanup()
{
    m_form.reset();
    m_platform.reset();
}

void Form1Test::windowAsCreated()
{
    Form1 &form = *m_form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Ka ludnik"));
    QCOMPARE(form.size(), QSize(574, 367));
    QCOMPARE(form.minimumSize(), form.maximumSize()); // fixed border
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form.windowIcon().isNull());
    for (int i = 0; i < Board::CellCount; ++i) {
        QCOMPARE(form.Command1[i]->text(), QStringLiteral("10"));
        QVERIFY(!form.Command1[i]->isEnabled());
        QVERIFY(!form.Timer1[i]->isRunning());
        QCOMPARE(form.Timer1[i]->interval(), 1000);
    }
    QVERIFY(form.Timer2->isRunning());
    QCOMPARE(form.Timer2->interval(), 100);
    QCOMPARE(form.Label2->text(),
             czech() ? QStringLiteral("S k ó r e  : 0") : QStringLiteral("S c o r e : 0"));
    QVERIFY(!form.Image2->isVisible());
    QVERIFY(!form.Label6->isVisible());
    QVERIFY(form.Image1->isVisible());
    QCOMPARE(form.Image1->geometry(), QRect(-16, -32, 600, 400));
    QCOMPARE(form.Image2->geometry(), QRect(168, 200, 103, 76));
    QCOMPARE(form.Command2->geometry(), QRect(8, 376, 153, 33));
    QVERIFY(form.Command2->geometry().top() > form.height()); // below the client area
    QCOMPARE(m_platform->beeps, 0);
}

void Form1Test::cellGeometry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("0 top left") << 0 << QRect(360, 8, 65, 65);
    QTest::newRow("2 top right") << 2 << QRect(504, 8, 65, 65);
    QTest::newRow("4 centre") << 4 << QRect(432, 80, 65, 65);
    QTest::newRow("6 bottom left") << 6 << QRect(360, 152, 65, 65);
    QTest::newRow("8 bottom right") << 8 << QRect(504, 152, 65, 65);
}

void Form1Test::cellGeometry()
{
    QFETCH(int, index);
    QFETCH(QRect, geometry);
    QCOMPARE(m_form->Command1[index]->geometry(), geometry);
    QCOMPARE(m_form->Command1[index]->font().pointSizeF(), 17.25);
    QCOMPARE(m_form->Command1[index]->font().weight(), QFont::Bold);
}

void Form1Test::commandTextsFollowTheLanguage()
{
    const Form1 &form = *m_form;
    const QStringList expected =
        czech() ? QStringList{"Nová hra", "Nápověda", "O hře", "Konec", "Konec hry"}
                : QStringList{"New Game", "Help", "About", "Quit", "Game Over"};
    QCOMPARE(form.Label1->text(), expected[0]);
    QCOMPARE(form.Label3->text(), expected[1]);
    QCOMPARE(form.Label4->text(), expected[2]);
    QCOMPARE(form.Label5->text(), expected[3]);
    QCOMPARE(form.Label6->text(), expected[4]);
    for (const Label *label : {form.Label1, form.Label3, form.Label4, form.Label5, form.Label2})
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QCOMPARE(form.Label6->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(form.Label6->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(form.Label6->font().pointSizeF(), 27.75);
    QCOMPARE(form.Label1->font().pointSizeF(), 13.5);
    QCOMPARE(form.Label2->font().pointSizeF(), 9.75);
}

void Form1Test::labelsKeepTheirLeftTopWhenSized()
{
    const Form1 &form = *m_form;
    QCOMPARE(form.Label1->pos(), QPoint(176, 176));
    QCOMPARE(form.Label3->pos(), QPoint(176, 208));
    QCOMPARE(form.Label4->pos(), QPoint(176, 240));
    QCOMPARE(form.Label5->pos(), QPoint(176, 272));
    QCOMPARE(form.Label2->pos(), QPoint(360, 224));
    QCOMPARE(form.Label6->pos(), QPoint(368, 256));
    // Auto-size: each label is exactly as large as its text.
    for (const Label *label : {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5}) {
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text()));
    }
    // The score line grows with the score and keeps its left edge.
    m_form->Label1_Click();
    QTest::mouseClick(m_form->Command1[0], Qt::LeftButton);
    QCOMPARE(form.Label2->pos(), QPoint(360, 224));
    QCOMPARE(form.Label2->size(), form.Label2->sizeHint());
}

void Form1Test::focusIsOnTheHiddenButton()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_form->Command2));
}

void Form1Test::stackingOrder()
{
    // The play picture lies over the help and about commands; the buttons lie over everything.
    Form1 &form = *m_form;
    form.Label1_Click();
    QWidget *surface = form.surface();
    QCOMPARE(surface->childAt(form.Label4->geometry().center()),
             static_cast<QWidget *>(form.Image2));
    QCOMPARE(surface->childAt(form.Label1->geometry().center()),
             static_cast<QWidget *>(form.Label1));
    QCOMPARE(surface->childAt(form.Command1[4]->geometry().center()),
             static_cast<QWidget *>(form.Command1[4]));
    QCOMPARE(surface->childAt(QPoint(5, 5)), static_cast<QWidget *>(form.Image1));
}

void Form1Test::newGame()
{
    Form1 &form = *m_form;
    QTest::mouseClick(form.Label1, Qt::LeftButton);
    for (int i = 0; i < Board::CellCount; ++i) {
        QCOMPARE(form.Command1[i]->text(), QStringLiteral("10"));
        QVERIFY(form.Command1[i]->isEnabled());
        QVERIFY(form.Timer1[i]->isRunning());
        QCOMPARE(form.Timer1[i]->interval(), 1000);
    }
    QVERIFY(form.Image2->isVisible());
    QVERIFY(!form.Label6->isVisible());
    QCOMPARE(form.Label2->text(), scoreLine("0"));
    QCOMPARE(form.board().phase(), GamePhase::Running);
}

void Form1Test::acceptedClickAndIgnoredRepeat()
{
    Form1 &form = *m_form;
    QTest::mouseClick(form.Label1, Qt::LeftButton);
    tick(form, 2);
    QCOMPARE(form.Command1[2]->text(), QStringLiteral("9"));

    QTest::mouseClick(form.Command1[2], Qt::LeftButton);
    QCOMPARE(form.Command1[2]->text(), QStringLiteral("10"));
    QCOMPARE(form.Timer1[2]->interval(), 950);
    QVERIFY(form.Timer1[2]->isRunning());
    QCOMPARE(form.Label2->text(), scoreLine("10"));

    tick(form, 2);
    QTest::mouseClick(form.Command1[2], Qt::LeftButton); // same cell again: ignored
    QCOMPARE(form.Command1[2]->text(), QStringLiteral("9"));
    QCOMPARE(form.Timer1[2]->interval(), 950);
    QCOMPARE(form.Label2->text(), scoreLine("10"));

    QTest::mouseClick(form.Command1[5], Qt::LeftButton);
    QCOMPARE(form.Label2->text(), scoreLine("20"));
}

void Form1Test::tickCountsDown()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    tick(form, 4);
    QCOMPARE(form.Command1[4]->text(), QStringLiteral("9"));
    QCOMPARE(form.Command1[3]->text(), QStringLiteral("10"));
    QCOMPARE(form.Label2->text(), scoreLine("0"));
    for (int i = 0; i < 8; ++i)
        tick(form, 4);
    QCOMPARE(form.Command1[4]->text(), QStringLiteral("1"));
    tick(form, 4);
    QCOMPARE(form.Command1[4]->text(), QStringLiteral("X"));
    QVERIFY(!form.Command1[4]->isEnabled());
    QVERIFY(!form.Timer1[4]->isRunning());
    QCOMPARE(form.Timer1[4]->interval(), 0);
}

void Form1Test::deathByTicksShowsGameOverWithOneBeep()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    QTest::mouseClick(form.Command1[0], Qt::LeftButton);
    for (int i = 0; i < Board::CellCount - 1; ++i)
        tickToDeath(form, i);
    QVERIFY(!form.Label6->isVisible());
    QVERIFY(form.Image2->isVisible());
    QCOMPARE(m_platform->beeps, 0);

    tickToDeath(form, 8);
    QVERIFY(form.Label6->isVisible());
    QVERIFY(!form.Image2->isVisible());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(form.Label2->text(), scoreLine("10")); // the last score stays
    for (const Button *button : form.Command1) {
        QCOMPARE(button->text(), QStringLiteral("X"));
        QVERIFY(!button->isEnabled());
    }
}

void Form1Test::clickDeathOfTheLastCellShowsGameOver()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    // Round robin never repeats a cell; the 20th round kills every cell, the last by a click.
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < Board::CellCount; ++i)
            QTest::mouseClick(form.Command1[i], Qt::LeftButton);
        if (round < 19)
            QVERIFY(!form.Label6->isVisible());
    }
    QVERIFY(form.Label6->isVisible());
    QVERIFY(!form.Image2->isVisible());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(form.Label2->text(), scoreLine("1710"));
    QCOMPARE(form.board().phase(), GamePhase::Over);
}

void Form1Test::newGameDuringAGame()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    QTest::mouseClick(form.Command1[1], Qt::LeftButton);
    tickToDeath(form, 3);
    tick(form, 5);

    QTest::mouseClick(form.Label1, Qt::LeftButton);
    for (int i = 0; i < Board::CellCount; ++i) {
        QCOMPARE(form.Command1[i]->text(), QStringLiteral("10"));
        QVERIFY(form.Command1[i]->isEnabled());
        QCOMPARE(form.Timer1[i]->interval(), 1000);
        QVERIFY(form.Timer1[i]->isRunning());
    }
    QCOMPARE(form.Label2->text(), scoreLine("0"));
    QVERIFY(form.Image2->isVisible());
    // The click memory survives: cell 1 took the last accepted click.
    QTest::mouseClick(form.Command1[1], Qt::LeftButton);
    QCOMPARE(form.Label2->text(), scoreLine("0"));
}

void Form1Test::newGameAfterGameOver()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    for (int i = 0; i < Board::CellCount; ++i)
        tickToDeath(form, i);
    QVERIFY(form.Label6->isVisible());

    QTest::mouseClick(form.Label1, Qt::LeftButton);
    QVERIFY(!form.Label6->isVisible());
    QVERIFY(form.Image2->isVisible());
    QVERIFY(form.Command1[8]->isEnabled());
    QCOMPARE(m_platform->beeps, 1);
}

void Form1Test::titleReplaysAfterANewGame()
{
    Form1 &form = *m_form;
    const auto titleTick = [&form] { Q_EMIT form.Timer2->tick(0); };
    for (int i = 0; i < 20; ++i)
        titleTick();
    QCOMPARE(form.windowTitle(), QStringLiteral("Ka ludnik"));

    form.Label1_Click();
    titleTick();
    QCOMPARE(form.windowTitle(), QStringLiteral("Ka ludnik"));
    titleTick();
    QCOMPARE(form.windowTitle(), QString());
    titleTick();
    QCOMPARE(form.windowTitle(), QStringLiteral("K"));
    form.Label1_Click(); // typing under way: no restart
    titleTick();
    QCOMPARE(form.windowTitle(), QStringLiteral("Ka"));
}

void Form1Test::coveredCommandsDoNothingDuringAGame()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    // The play picture is on top where the about command and most of the help command lie.
    QCOMPARE(form.surface()->childAt(form.Label4->geometry().center()),
             static_cast<QWidget *>(form.Image2));
    QCOMPARE(form.surface()->childAt(form.Label3->geometry().center()),
             static_cast<QWidget *>(form.Image2));

    // A real click lands on the topmost widget at the point: send it to the surface's child there.
    const auto clickAt = [&](const QPoint &surfacePoint) {
        QWidget *target = form.surface()->childAt(surfacePoint);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          target->mapFrom(form.surface(), surfacePoint));
    };
    const int openedByCoveredClicks = modalWindowsOpenedBy([&] {
        clickAt(form.Label4->geometry().center());
        clickAt(form.Label3->geometry().center());
    });
    QCOMPARE(openedByCoveredClicks, 0);

    // The new-game and quit commands are not covered.
    clickAt(form.Label5->geometry().center());
    QCOMPARE(m_platform->endRequests, QList<int>{0});
    clickAt(form.Label1->geometry().center());
    QCOMPARE(form.board().phase(), GamePhase::Running);

    // Where the help label reaches past the play picture, that strip still opens help.
    if (const auto strip = uncoveredPoint(form.Label3, form.Image2)) {
        const int openedByStrip =
            modalWindowsOpenedBy([&] { clickAt(form.Label3->mapToParent(*strip)); });
        QCOMPARE(openedByStrip, 1);
    }
}

void Form1Test::helpAndAboutWorkAfterTheGame()
{
    Form1 &form = *m_form;
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(form.Label3, Qt::LeftButton); }), 1);
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(form.Label4, Qt::LeftButton); }), 1);

    form.Label1_Click();
    for (int i = 0; i < Board::CellCount; ++i)
        tickToDeath(form, i);
    QCOMPARE(form.surface()->childAt(form.Label4->geometry().center()),
             static_cast<QWidget *>(form.Label4));
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(form.Label3, Qt::LeftButton); }), 1);
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(form.Label4, Qt::LeftButton); }), 1);

    // The cell timers keep running behind a modal window.
    form.Label1_Click();
    bool timersRan = false;
    form.Timer1[0]->setEnabled(true);
    modalWindowsOpenedBy([&] { form.form2().ShowModal(); },
                         [&](QWidget *) { timersRan = form.Timer1[0]->isRunning(); });
    QVERIFY(timersRan);
}

void Form1Test::spaceOnTheHiddenButtonOpensNameEntry()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form->Command2, Qt::Key_Space);
    QVERIFY(m_form->form4().isVisible());
    m_form->form4().close();
    QVERIFY(!m_form->form4().isVisible());
    QTest::keyClick(m_form->Command2, Qt::Key_Return);
    QVERIFY(m_form->form4().isVisible());
}

void Form1Test::quitAndCloseAskTheProgramToEnd()
{
    QTest::mouseClick(m_form->Label5, Qt::LeftButton);
    QCOMPARE(m_platform->endRequests, QList<int>{0});
    m_form->close();
    QCOMPARE(m_platform->endRequests, (QList<int>{0, 0}));
}

void Form1Test::ctrlNStartsAGameAndCtrlQQuits()
{
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_form->board().phase(), GamePhase::Running);
    QVERIFY(m_form->Image2->isVisible());
    QCOMPARE(m_platform->endRequests, QList<int>{});
    QTest::keyClick(m_form.get(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_platform->endRequests, QList<int>{0});
}

void Form1Test::cellsReadTheirPlaceAndCount()
{
    Form1 &form = *m_form;
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(form.Command1[5]);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Button);
    const QString name =
        czech() ? QStringLiteral("Řádek 2, sloupec 3") : QStringLiteral("Row 2, column 3");
    QCOMPARE(cell->text(QAccessible::Name), name);
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("10"));

    form.Label1_Click();
    tick(form, 5);
    QCOMPARE(cell->text(QAccessible::Name), name); // the name stays; the count is the description
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("9"));
    tickToDeath(form, 5);
    QCOMPARE(cell->text(QAccessible::Description),
             czech() ? QStringLiteral("mrtvé") : QStringLiteral("dead"));
}

void Form1Test::commandLabelsReadAsButtons()
{
    Form1 &form = *m_form;
    for (Label *command : {form.Label1, form.Label3, form.Label4, form.Label5}) {
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(command);
        QVERIFY(label);
        QCOMPARE(label->role(), QAccessible::Button);
        QCOMPARE(label->text(QAccessible::Name), command->text());
        QVERIFY(label->actionInterface());
        QVERIFY(label->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    QAccessibleInterface *newGame = QAccessible::queryAccessibleInterface(form.Label1);
    newGame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form.board().phase(), GamePhase::Running);
}

void Form1Test::coveredCommandsCannotBePressedBySpeech()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    QAccessibleInterface *about = QAccessible::queryAccessibleInterface(form.Label4);
    QVERIFY(about->state().disabled);
    const int opened = modalWindowsOpenedBy(
        [&] { about->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); });
    QCOMPARE(opened, 0);
    QVERIFY(!QAccessible::queryAccessibleInterface(form.Label5)->state().disabled);

    for (int i = 0; i < Board::CellCount; ++i)
        tickToDeath(form, i);
    QVERIFY(!about->state().disabled);
    const int openedAfter = modalWindowsOpenedBy(
        [&] { about->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); });
    QCOMPARE(openedAfter, 1);
}

void Form1Test::scoreLineReadsItsScore()
{
    Form1 &form = *m_form;
    QAccessibleInterface *score = QAccessible::queryAccessibleInterface(form.Label2);
    QCOMPARE(score->role(), QAccessible::StaticText);
    QCOMPARE(score->text(QAccessible::Name),
             czech() ? QStringLiteral("Skóre") : QStringLiteral("Score"));
    QCOMPARE(score->text(QAccessible::Description), QStringLiteral("0"));
    form.Label1_Click();
    QTest::mouseClick(form.Command1[3], Qt::LeftButton);
    QTest::mouseClick(form.Command1[4], Qt::LeftButton);
    QCOMPARE(score->text(QAccessible::Description), QStringLiteral("20"));
}

void Form1Test::gameOverIsAnnounced()
{
    Form1 &form = *m_form;
    form.Label1_Click();
    for (int i = 0; i < Board::CellCount - 1; ++i)
        tickToDeath(form, i);
    QVERIFY(m_platform->announced.isEmpty());
    tickToDeath(form, 8);
    QCOMPARE(m_platform->announced, QList<QWidget *>{form.Label6});
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
