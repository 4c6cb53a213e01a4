#include "../support/controls.h"
#include "../support/heldticks.h"
#include "../support/modalcloser.h"
#include "../support/recordingplatform.h"
#include "../support/typedtitles.h"
#include "button.h"
#include "label.h"
#include "mainwindow.h"
#include "picture.h"
#include "scorewindow.h"
#include "text/stringtable.h"
#include "timer.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

// The main window's controls, found by name as a screen reader would.
struct MainView {
    explicit MainView(MainWindow &window)
        : window(window), newGame(control<Label>(&window, "newGameCommand")),
          help(control<Label>(&window, "helpCommand")),
          about(control<Label>(&window, "aboutCommand")),
          quit(control<Label>(&window, "quitCommand")),
          scoreLine(control<Label>(&window, "scoreLine")),
          gameOver(control<Label>(&window, "gameOverLabel")),
          background(control<Picture>(&window, "backgroundPicture")),
          play(control<Picture>(&window, "playPicture")),
          scoreWindowButton(control<Button>(&window, "scoreWindowButton")),
          titleTimer(control<Timer>(&window, "titleTimer"))
    {
        for (int i = 0; i < Board::CellCount; ++i) {
            cells[i] = control<Button>(&window, QStringLiteral("cell%1").arg(i));
            timers[i] = control<Timer>(&window, QStringLiteral("cellTimer%1").arg(i));
        }
    }

    void tick(int index) { Q_EMIT timers[index]->tick(index); }
    void tickToDeath(int index)
    {
        while (cells[index]->isEnabled())
            tick(index);
    }
    void tickAllToDeath()
    {
        for (int i = 0; i < Board::CellCount; ++i)
            tickToDeath(i);
    }
    void startNewGame() { QTest::mouseClick(newGame, Qt::LeftButton); }

    MainWindow &window;
    std::array<Button *, Board::CellCount> cells{};
    std::array<Timer *, Board::CellCount> timers{};
    Label *newGame, *help, *about, *quit, *scoreLine, *gameOver;
    Picture *background, *play;
    Button *scoreWindowButton;
    Timer *titleTimer;
};

QString scoreLine(int score)
{
    return loadText(TextId::ScorePrefix) + QString::number(score);
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

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowAsCreated();
    void commandTextsAndLooks();
    void labelsKeepTheirLeftTopWhenSized();
    void focusIsOnTheHiddenButton();

    void newGameRestartsEveryCellPeriod();
    void acceptedClickAndIgnoredRepeat();
    void tickCountsDown();
    void deathByTicksShowsGameOverWithOneBeep();
    void clickDeathOfTheLastCellShowsGameOver();
    void newGameDuringAGame();
    void newGameAfterGameOver();
    void titleReplaysAfterANewGame();
    void titleTimerRunsOnlyWhileThereIsSomethingToType();

    void coveredCommandsDoNothingDuringAGame();
    void helpAndAboutWorkAfterTheGame();
    void spaceOnTheHiddenButtonOpensTheScoreWindow();
    void quitAndCloseAskTheProgramToEnd();
    void ctrlNStartsAGameAndCtrlQQuits();

    void cellsReadTheirPlaceAndCount();
    void commandLabelsReadAsButtons();
    void coveredCommandsCannotBePressedBySpeech();
    void scoreLineReadsItsScore();

private:
    RealTicksHeldBack m_realTicksHeldBack; // every tick comes from the test
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<MainView> m_view;
};

void MainWindowTest::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_window = std::make_unique<MainWindow>();
    m_view = std::make_unique<MainView>(*m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_view.reset();
    m_window.reset();
    m_platform.reset();
}

void MainWindowTest::windowAsCreated()
{
    MainView &view = *m_view;
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ka ludnik"));
    QCOMPARE(m_window->size(), QSize(574, 367));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize()); // fixed border
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_window->windowIcon().isNull());
    for (int i = 0; i < Board::CellCount; ++i) {
        // Rows of three from the top left, 65 pixels square and 7 apart.
        QCOMPARE(view.cells[i]->geometry(), QRect(360 + 72 * (i % 3), 8 + 72 * (i / 3), 65, 65));
        QCOMPARE(view.cells[i]->font().pointSizeF(), 17.25);
        QCOMPARE(view.cells[i]->font().weight(), QFont::Bold);
        QCOMPARE(view.cells[i]->text(), QStringLiteral("10"));
        QVERIFY(!view.cells[i]->isEnabled());
        QVERIFY(!view.timers[i]->isRunning());
        QCOMPARE(view.timers[i]->interval(), 1000);
    }
    QVERIFY(view.titleTimer->isRunning());
    QCOMPARE(view.titleTimer->interval(), 100);
    QCOMPARE(view.scoreLine->text(), loadText(TextId::ScoreAtStart));
    QVERIFY(!view.play->isVisible());
    QVERIFY(!view.gameOver->isVisible());
    QVERIFY(view.background->isVisible());
    QCOMPARE(view.background->geometry(), QRect(-16, -32, 600, 400));
    QVERIFY(view.play->picture().isNull()); // read only when a game first shows it
    QCOMPARE(view.scoreWindowButton->geometry(), QRect(8, 376, 153, 33));
    QVERIFY(view.scoreWindowButton->geometry().top() > m_window->height()); // below the client
    QCOMPARE(m_platform->beeps, 0);

    // Stacking: the play picture lies over help and about, the buttons over everything.
    view.startNewGame();
    QVERIFY(!view.play->picture().isNull());
    QCOMPARE(view.play->geometry(), QRect(168, 200, 103, 76));
    QWidget *surface = m_window->surface();
    QCOMPARE(surface->childAt(view.about->geometry().center()), view.play);
    QCOMPARE(surface->childAt(view.newGame->geometry().center()), view.newGame);
    QCOMPARE(surface->childAt(view.cells[4]->geometry().center()), view.cells[4]);
    QCOMPARE(surface->childAt(QPoint(5, 5)), view.background);
}

void MainWindowTest::commandTextsAndLooks()
{
    const MainView &view = *m_view;
    QCOMPARE(view.newGame->text(), loadText(TextId::NewGame));
    QCOMPARE(view.help->text(), loadText(TextId::Help));
    QCOMPARE(view.about->text(), loadText(TextId::About));
    QCOMPARE(view.quit->text(), loadText(TextId::Quit));
    QCOMPARE(view.gameOver->text(), loadText(TextId::GameOver));
    for (const Label *label : {view.newGame, view.help, view.about, view.quit, view.scoreLine})
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QCOMPARE(view.gameOver->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(view.gameOver->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(view.gameOver->font().pointSizeF(), 27.75);
    QCOMPARE(view.newGame->font().pointSizeF(), 13.5);
    QCOMPARE(view.scoreLine->font().pointSizeF(), 9.75);
}

void MainWindowTest::labelsKeepTheirLeftTopWhenSized()
{
    MainView &view = *m_view;
    QCOMPARE(view.newGame->pos(), QPoint(176, 176));
    QCOMPARE(view.help->pos(), QPoint(176, 208));
    QCOMPARE(view.about->pos(), QPoint(176, 240));
    QCOMPARE(view.quit->pos(), QPoint(176, 272));
    QCOMPARE(view.scoreLine->pos(), QPoint(360, 224));
    QCOMPARE(view.gameOver->pos(), QPoint(368, 256));
    // Auto-size: each label is exactly as large as its text.
    for (const Label *label : {view.newGame, view.scoreLine, view.help, view.about, view.quit}) {
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text()));
    }
    // The score line grows with the score and keeps its left edge.
    view.startNewGame();
    QTest::mouseClick(view.cells[0], Qt::LeftButton);
    QCOMPARE(view.scoreLine->pos(), QPoint(360, 224));
    QCOMPARE(view.scoreLine->size(), view.scoreLine->sizeHint());
}

void MainWindowTest::focusIsOnTheHiddenButton()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_view->scoreWindowButton);
}

void MainWindowTest::newGameRestartsEveryCellPeriod()
{
    // A cell that a new game puts back to "10" must wait a whole period for its next tick, the
    // untouched ones too: their interval and running state do not change, only the period does.
    // The time the new game itself takes is measured: on a machine too busy to tell the two
    // apart, the step is simply taken again.
    MainView &view = *m_view;
    view.startNewGame();
    constexpr int Elapsed = 200;
    for (int attempt = 1;; ++attempt) {
        QTest::qSleep(Elapsed); // time passes; no event is processed, so nothing can tick
        QElapsedTimer clock;
        clock.start();
        view.startNewGame();
        int soonest = 1000;
        for (const Timer *timer : view.timers)
            soonest = std::min(soonest, timer->remainingTime());
        const qint64 took = clock.elapsed();
        if (took < Elapsed / 2) {
            QVERIFY2(soonest >= 1000 - took - 2,
                     qPrintable(QStringLiteral("a tick due in %1 ms").arg(soonest)));
            return;
        }
        QVERIFY2(attempt < 100, "the machine never gave the new game 100 ms");
    }
}

void MainWindowTest::acceptedClickAndIgnoredRepeat()
{
    MainView &view = *m_view;
    view.startNewGame();
    view.tick(2);
    QCOMPARE(view.cells[2]->text(), QStringLiteral("9"));

    QTest::mouseClick(view.cells[2], Qt::LeftButton);
    QCOMPARE(view.cells[2]->text(), QStringLiteral("10"));
    QCOMPARE(view.timers[2]->interval(), 950);
    QVERIFY(view.timers[2]->isRunning());
    QCOMPARE(view.scoreLine->text(), scoreLine(10));

    view.tick(2);
    QTest::mouseClick(view.cells[2], Qt::LeftButton); // same cell again: ignored
    QCOMPARE(view.cells[2]->text(), QStringLiteral("9"));
    QCOMPARE(view.timers[2]->interval(), 950);
    QCOMPARE(view.scoreLine->text(), scoreLine(10));

    QTest::mouseClick(view.cells[5], Qt::LeftButton);
    QCOMPARE(view.scoreLine->text(), scoreLine(20));
}

void MainWindowTest::tickCountsDown()
{
    MainView &view = *m_view;
    view.startNewGame();
    view.tick(4);
    QCOMPARE(view.cells[4]->text(), QStringLiteral("9"));
    QCOMPARE(view.cells[3]->text(), QStringLiteral("10"));
    QCOMPARE(view.scoreLine->text(), scoreLine(0));
    for (int i = 0; i < 8; ++i)
        view.tick(4);
    QCOMPARE(view.cells[4]->text(), QStringLiteral("1"));
    view.tick(4);
    QCOMPARE(view.cells[4]->text(), QStringLiteral("X"));
    QVERIFY(!view.cells[4]->isEnabled());
    QVERIFY(!view.timers[4]->isRunning());
    QCOMPARE(view.timers[4]->interval(), 0);
}

void MainWindowTest::deathByTicksShowsGameOverWithOneBeep()
{
    MainView &view = *m_view;
    view.startNewGame();
    QTest::mouseClick(view.cells[0], Qt::LeftButton);
    for (int i = 0; i < Board::CellCount - 1; ++i)
        view.tickToDeath(i);
    QVERIFY(!view.gameOver->isVisible());
    QVERIFY(view.play->isVisible());
    QCOMPARE(m_platform->beeps, 0);
    QVERIFY(m_platform->announced.isEmpty());

    view.tickToDeath(8);
    QVERIFY(view.gameOver->isVisible());
    QVERIFY(!view.play->isVisible());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(m_platform->announced, QList<QWidget *>{view.gameOver}); // for screen readers
    QCOMPARE(view.scoreLine->text(), scoreLine(10));                  // the last score stays
    for (const Button *button : view.cells) {
        QCOMPARE(button->text(), QStringLiteral("X"));
        QVERIFY(!button->isEnabled());
    }
}

void MainWindowTest::clickDeathOfTheLastCellShowsGameOver()
{
    MainView &view = *m_view;
    view.startNewGame();
    // Round robin never repeats a cell; the 20th round kills every cell, the last by a click.
    for (int round = 0; round < 20; ++round) {
        for (Button *cell : view.cells)
            QTest::mouseClick(cell, Qt::LeftButton);
        if (round < 19)
            QVERIFY(!view.gameOver->isVisible());
    }
    QVERIFY(view.gameOver->isVisible());
    QVERIFY(!view.play->isVisible());
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(view.scoreLine->text(), scoreLine(1710));
    QCOMPARE(m_window->board().phase(), GamePhase::Over);
}

void MainWindowTest::newGameDuringAGame()
{
    MainView &view = *m_view;
    view.startNewGame();
    QTest::mouseClick(view.cells[1], Qt::LeftButton);
    view.tickToDeath(3);
    view.tick(5);

    view.startNewGame();
    for (int i = 0; i < Board::CellCount; ++i) {
        QCOMPARE(view.cells[i]->text(), QStringLiteral("10"));
        QVERIFY(view.cells[i]->isEnabled());
        QCOMPARE(view.timers[i]->interval(), 1000);
        QVERIFY(view.timers[i]->isRunning());
    }
    QCOMPARE(view.scoreLine->text(), scoreLine(0));
    QVERIFY(view.play->isVisible());
    QVERIFY(!view.gameOver->isVisible());
    QCOMPARE(m_window->board().phase(), GamePhase::Running);
    // The click memory survives: cell 1 took the last accepted click.
    QTest::mouseClick(view.cells[1], Qt::LeftButton);
    QCOMPARE(view.scoreLine->text(), scoreLine(0));
}

void MainWindowTest::newGameAfterGameOver()
{
    MainView &view = *m_view;
    view.startNewGame();
    view.tickAllToDeath();
    QVERIFY(view.gameOver->isVisible());

    view.startNewGame();
    QVERIFY(!view.gameOver->isVisible());
    QVERIFY(view.play->isVisible());
    QVERIFY(view.cells[8]->isEnabled());
    QCOMPARE(m_platform->beeps, 1);
}

void MainWindowTest::titleReplaysAfterANewGame()
{
    MainView &view = *m_view;
    const auto titleTick = [&view] { Q_EMIT view.titleTimer->tick(0); };
    for (int i = 0; i < 20; ++i)
        titleTick();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ka ludnik"));

    view.startNewGame();
    titleTick();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ka ludnik"));
    titleTick();
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" ")); // blank, never the program's name
    titleTick();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("K"));
    view.startNewGame(); // typing under way: no restart
    titleTick();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ka"));
}

void MainWindowTest::titleTimerRunsOnlyWhileThereIsSomethingToType()
{
    MainView &view = *m_view;
    QStringList shown;
    const auto titleTick = [&] {
        Q_EMIT view.titleTimer->tick(0);
        shown << m_window->windowTitle();
    };
    // The typing, then the tick that puts the fixed title back; the empty frame shows blank.
    QStringList typed = typedTitles() << QStringLiteral("Ka ludnik");
    typed[1] = QStringLiteral(" ");
    const auto allTimersStopped = [&] {
        const QList<Timer *> timers = m_window->findChildren<Timer *>();
        return std::none_of(timers.begin(), timers.end(),
                            [](const Timer *timer) { return timer->isRunning(); });
    };

    // Armed at load; it runs through the typing and the tick that puts frame 0 back, no longer.
    QVERIFY(view.titleTimer->isRunning());
    QVERIFY(QPixmapCache::insert(QStringLiteral("probe"), QPixmap(4, 4)));
    for (int i = 0; i < typed.size(); ++i) {
        QVERIFY2(view.titleTimer->isRunning(), qPrintable(QString::number(i)));
        titleTick();
    }
    QCOMPARE(shown, typed);
    QVERIFY(!view.titleTimer->isRunning());
    QVERIFY(allTimersStopped()); // nothing wakes before the first game
    QPixmap probe;               // nor Qt's pixmap cache, which would age its drawings 30 s on
    QVERIFY(!QPixmapCache::find(QStringLiteral("probe"), &probe));
    titleTick(); // a tick after the end would have shown the same title
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ka ludnik"));

    // A new game arms it again; arming while typing neither restarts nor stops it.
    shown.clear();
    view.startNewGame();
    QVERIFY(view.titleTimer->isRunning());
    for (int i = 0; i < 4; ++i)
        titleTick();
    view.startNewGame();
    QVERIFY(view.titleTimer->isRunning());
    for (int i = 4; i < 11; ++i)
        titleTick();
    QCOMPARE(shown, typed.mid(0, 11));
    // Armed right after the last frame: typing starts again from frame 0.
    view.startNewGame();
    titleTick();
    titleTick();
    QCOMPARE(shown.mid(11), (QStringList{"Ka ludnik", " "}));
    for (int i = 2; i < typed.size(); ++i)
        titleTick();
    QVERIFY(!view.titleTimer->isRunning());

    // After game over with the title typed, the window has no timer left running.
    view.tickAllToDeath();
    QVERIFY(view.gameOver->isVisible());
    QVERIFY(allTimersStopped());
}

void MainWindowTest::coveredCommandsDoNothingDuringAGame()
{
    MainView &view = *m_view;
    view.startNewGame();
    QWidget *surface = m_window->surface();
    // A real click lands on the topmost widget at the point: send it to the surface's child there.
    const auto clickAt = [&](const QPoint &surfacePoint) {
        QWidget *target = surface->childAt(surfacePoint);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(surface, surfacePoint));
    };
    const int openedByCoveredClicks = modalWindowsOpenedBy([&] {
        clickAt(view.about->geometry().center());
        clickAt(view.help->geometry().center());
    });
    QCOMPARE(openedByCoveredClicks, 0);

    // The new-game and quit commands are not covered.
    clickAt(view.quit->geometry().center());
    QCOMPARE(m_platform->endRequests, QList<int>{0});
    view.tick(0);
    clickAt(view.newGame->geometry().center());
    QCOMPARE(view.cells[0]->text(), QStringLiteral("10"));

    // Where the help label reaches past the play picture, that strip still opens help.
    if (const auto strip = uncoveredPoint(view.help, view.play)) {
        const int openedByStrip =
            modalWindowsOpenedBy([&] { clickAt(view.help->mapToParent(*strip)); });
        QCOMPARE(openedByStrip, 1);
    }
}

void MainWindowTest::helpAndAboutWorkAfterTheGame()
{
    MainView &view = *m_view;
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(view.help, Qt::LeftButton); }), 1);
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(view.about, Qt::LeftButton); }), 1);

    view.startNewGame();
    view.tickAllToDeath();
    QCOMPARE(m_window->surface()->childAt(view.about->geometry().center()), view.about);
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(view.help, Qt::LeftButton); }), 1);
    QCOMPARE(modalWindowsOpenedBy([&] { QTest::mouseClick(view.about, Qt::LeftButton); }), 1);
}

void MainWindowTest::spaceOnTheHiddenButtonOpensTheScoreWindow()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_view->scoreWindowButton, Qt::Key_Space);
    auto *scoreWindow = findWindow<ScoreWindow>();
    QVERIFY(scoreWindow && scoreWindow->isVisible());
    scoreWindow->close();
    QVERIFY(!scoreWindow->isVisible());
    QTest::keyClick(m_view->scoreWindowButton, Qt::Key_Return);
    QVERIFY(scoreWindow->isVisible());
}

void MainWindowTest::quitAndCloseAskTheProgramToEnd()
{
    QTest::mouseClick(m_view->quit, Qt::LeftButton);
    QCOMPARE(m_platform->endRequests, QList<int>{0});
    m_window->close();
    QCOMPARE(m_platform->endRequests, (QList<int>{0, 0}));
}

void MainWindowTest::ctrlNStartsAGameAndCtrlQQuits()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_window->board().phase(), GamePhase::Running);
    QVERIFY(m_view->play->isVisible());
    QCOMPARE(m_platform->endRequests, QList<int>{});
    QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_platform->endRequests, QList<int>{0});
}

void MainWindowTest::cellsReadTheirPlaceAndCount()
{
    MainView &view = *m_view;
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(view.cells[5]);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Button);
    const QString name = loadText(TextId::CellName).arg(2).arg(3);
    QCOMPARE(cell->text(QAccessible::Name), name);
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("10"));

    view.startNewGame();
    view.tick(5);
    QCOMPARE(cell->text(QAccessible::Name), name); // the name stays; the count is the description
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("9"));
    view.tickToDeath(5);
    QCOMPARE(cell->text(QAccessible::Description), loadText(TextId::DeadCell));
}

void MainWindowTest::commandLabelsReadAsButtons()
{
    MainView &view = *m_view;
    for (Label *command : {view.newGame, view.help, view.about, view.quit}) {
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(command);
        QVERIFY(label);
        QCOMPARE(label->role(), QAccessible::Button);
        QCOMPARE(label->text(QAccessible::Name), command->text());
        QVERIFY(label->actionInterface());
        QVERIFY(label->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    QAccessibleInterface *newGame = QAccessible::queryAccessibleInterface(view.newGame);
    newGame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_window->board().phase(), GamePhase::Running);
}

void MainWindowTest::coveredCommandsCannotBePressedBySpeech()
{
    MainView &view = *m_view;
    view.startNewGame();
    QAccessibleInterface *about = QAccessible::queryAccessibleInterface(view.about);
    QVERIFY(about->state().disabled);
    const int opened = modalWindowsOpenedBy(
        [&] { about->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); });
    QCOMPARE(opened, 0);
    QVERIFY(!QAccessible::queryAccessibleInterface(view.quit)->state().disabled);

    view.tickAllToDeath();
    QVERIFY(!about->state().disabled);
    const int openedAfter = modalWindowsOpenedBy(
        [&] { about->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); });
    QCOMPARE(openedAfter, 1);
}

void MainWindowTest::scoreLineReadsItsScore()
{
    MainView &view = *m_view;
    QAccessibleInterface *score = QAccessible::queryAccessibleInterface(view.scoreLine);
    QCOMPARE(score->role(), QAccessible::StaticText);
    QCOMPARE(score->text(QAccessible::Name), loadText(TextId::ScoreName));
    QCOMPARE(score->text(QAccessible::Description), QStringLiteral("0"));
    view.startNewGame();
    QTest::mouseClick(view.cells[3], Qt::LeftButton);
    QTest::mouseClick(view.cells[4], Qt::LeftButton);
    QCOMPARE(score->text(QAccessible::Description), QStringLiteral("20"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
