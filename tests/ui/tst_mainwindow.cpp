// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The main window's wiring: what a click, a tick, a key or a command does to the board reaches
// the screen, the timers and the desktop. The rules themselves are the board's tests' business.
#include "../support/controls.h"
#include "../support/game.h"
#include "../support/heldticks.h"
#include "../support/modalcloser.h"
#include "../support/typedtitles.h"
#include "label.h"
#include "picture.h"
#include "scorewindow.h"

#include <QAccessible>
#include <QMenu>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>

using toolkit::Label;
using toolkit::Picture;

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
          scoreWindowButton(control<QPushButton>(&window, "scoreWindowButton")),
          titleTimer(gameTimer(&window, "titleTimer"))
    {
        for (int i = 0; i < Board::CellCount; ++i) {
            cells[i] = control<QPushButton>(&window, QStringLiteral("cell%1").arg(i));
            timers[i] = gameTimer(&window, QStringLiteral("cellTimer%1").arg(i));
        }
    }

    void tickCell(int index) { tick(timers[index]); }
    void tickToDeath(int index)
    {
        while (cells[index]->isEnabled())
            tickCell(index);
    }
    void tickAllToDeath()
    {
        for (int i = 0; i < Board::CellCount; ++i)
            tickToDeath(i);
    }
    void startNewGame() { QTest::mouseClick(newGame, Qt::LeftButton); }
    int runningTimers() const
    {
        const QList<QTimer *> timers = window.findChildren<QTimer *>();
        return int(std::count_if(timers.begin(), timers.end(),
                                 [](const QTimer *timer) { return timer->isActive(); }));
    }

    MainWindow &window;
    std::array<QPushButton *, Board::CellCount> cells{};
    std::array<QTimer *, Board::CellCount> timers{};
    Label *newGame, *help, *about, *quit, *scoreLine, *gameOver;
    Picture *background, *play;
    QPushButton *scoreWindowButton;
    QTimer *titleTimer;
};

QString scoreLine(int score)
{
    return QCoreApplication::translate("Board", "S c o r e : ") + QString::number(score);
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
    void controlsStayInsideAndApartAsDesigned();
    void focusIsOnTheHiddenButton();

    void clicksAndTicksShowOnTheCells();
    void gameOverShowsPlaysAndAnnounces();
    void newGameAfterGameOverShowsAFreshGame();
    void titleTimerRunsOnlyWhileThereIsSomethingToType();

    void coveredCommandsDoNothingDuringAGame();
    void commandsByKeyByMenuAndByTab();
    void pauseHoldsEveryCountdown();
    void spaceOnTheHiddenButtonOpensTheScoreWindow();
    void quitCloseAndKeysEndTheProgramAndStopEveryTimer();
    void gridKeysClickTheirCells();

    void cellsReadTheirPlaceAndCount();
    void commandsReadAsButtonsUnlessCovered();
    void scoreLineReadsItsScore();

private:
    TestProcess m_process;
    RealTicksHeldBack m_realTicksHeldBack; // every tick comes from the test
    QTemporaryDir m_home;                  // the score file's folder
    std::unique_ptr<TestGame> m_game;
    std::unique_ptr<MainView> m_view;
};

void MainWindowTest::init()
{
    m_game = std::make_unique<TestGame>(m_home.filePath(QStringLiteral("scores.json")));
    m_view = std::make_unique<MainView>(m_game->window);
    m_game->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_game->window));
}

void MainWindowTest::cleanup()
{
    m_view.reset();
    m_game.reset();
}

void MainWindowTest::windowAsCreated()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Ka ludnik"));
    QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed border
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window.windowIcon().isNull());
    for (int i = 0; i < Board::CellCount; ++i) {
        QCOMPARE(view.cells[i]->text(), QStringLiteral("10"));
        QVERIFY(!view.cells[i]->isEnabled());
        QVERIFY(!view.timers[i]->isActive());
    }
    QVERIFY(view.titleTimer->isActive());
    for (Label *command : {view.newGame, view.help, view.about, view.quit})
        QVERIFY(!command->text().isEmpty());
    QCOMPARE(view.scoreLine->text(), MainWindow::tr("S c o r e : 0"));
    QVERIFY(!view.play->isVisible());
    QVERIFY(!view.gameOver->isVisible());
    QCOMPARE(m_game->desktop.sounds, 0);
}

void MainWindowTest::controlsStayInsideAndApartAsDesigned()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    view.startNewGame();
    view.gameOver->show(); // as at game over, in its place
    // The picture fills the window and more; the hidden button lies wholly below it.
    QVERIFY(view.background->geometry().contains(window.rect()));
    QVERIFY(view.scoreWindowButton->geometry().top() > window.height());
    // Everything else stands inside the window, and only the play picture lies over another
    // control: over help, about and the top of quit.
    const QList<QWidget *> shown{view.newGame,   view.help,     view.about, view.quit,
                                 view.scoreLine, view.gameOver, view.play};
    QList<QWidget *> controls = shown;
    for (QPushButton *cell : view.cells)
        controls.append(cell);
    for (QWidget *control : controls)
        QVERIFY2(window.rect().contains(control->geometry()), qPrintable(control->objectName()));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const bool overlap = controls[i]->geometry().intersects(controls[j]->geometry());
            const bool underPlay = controls[i] == view.play || controls[j] == view.play;
            const QWidget *other = controls[i] == view.play ? controls[j] : controls[i];
            const bool designed =
                underPlay && (other == view.help || other == view.about || other == view.quit);
            QVERIFY2(overlap == designed, qPrintable(controls[i]->objectName() + QLatin1Char(' ') +
                                                     controls[j]->objectName()));
        }
    }
    // In front: the play picture over the commands it covers, the buttons over everything.
    QCOMPARE(window.childAt(view.about->geometry().center()), view.play);
    QCOMPARE(window.childAt(view.newGame->geometry().center()), view.newGame);
    QCOMPARE(window.childAt(view.cells[4]->geometry().center()), view.cells[4]);
    QCOMPARE(window.childAt(QPoint(5, 5)), view.background);
    // An auto-size label takes its text's size and grows from its left edge.
    const QPoint scoreAt = view.scoreLine->pos();
    QTest::mouseClick(view.cells[0], Qt::LeftButton);
    QCOMPARE(view.scoreLine->pos(), scoreAt);
    QCOMPARE(view.scoreLine->size(), view.scoreLine->sizeHint());
}

void MainWindowTest::focusIsOnTheHiddenButton()
{
    QVERIFY(QTest::qWaitForWindowActive(&m_game->window));
    QCOMPARE(QApplication::focusWidget(), m_view->scoreWindowButton);
}

void MainWindowTest::clicksAndTicksShowOnTheCells()
{
    MainView &view = *m_view;
    view.startNewGame();
    view.tickCell(2);
    QCOMPARE(view.cells[2]->text(), QStringLiteral("9"));
    QCOMPARE(view.cells[3]->text(), QStringLiteral("10"));

    QTest::mouseClick(view.cells[2], Qt::LeftButton);
    QCOMPARE(view.cells[2]->text(), QStringLiteral("10"));
    QCOMPARE(view.timers[2]->interval(), 950);
    QVERIFY(view.timers[2]->isActive());
    QCOMPARE(view.scoreLine->text(), scoreLine(10));

    view.tickCell(2);
    QTest::mouseClick(view.cells[2], Qt::LeftButton); // the same cell again: nothing changes
    QCOMPARE(view.cells[2]->text(), QStringLiteral("9"));
    QCOMPARE(view.scoreLine->text(), scoreLine(10));

    view.tickToDeath(4);
    QCOMPARE(view.cells[4]->text(), QStringLiteral("X"));
    QVERIFY(!view.cells[4]->isEnabled());
    QVERIFY(!view.timers[4]->isActive());
    QCOMPARE(view.timers[4]->interval(), 0);
}

void MainWindowTest::gameOverShowsPlaysAndAnnounces()
{
    MainView &view = *m_view;
    RecordingDesktop &desktop = m_game->desktop;
    view.startNewGame();
    QTest::mouseClick(view.cells[0], Qt::LeftButton);
    for (int i = 0; i < Board::CellCount - 1; ++i)
        view.tickToDeath(i);
    QVERIFY(!view.gameOver->isVisible());
    QCOMPARE(desktop.sounds, 0);

    view.tickToDeath(8);
    QVERIFY(view.gameOver->isVisible());
    QVERIFY(!view.play->isVisible());
    QCOMPARE(desktop.sounds, 1);
    QCOMPARE(desktop.announced, QList<QWidget *>{view.gameOver}); // for screen readers
    QCOMPARE(view.scoreLine->text(), scoreLine(10));              // the last score stays

    // The game over of a click that kills the last cell takes the same way. Round robin from
    // cell 1, as cell 0 took the last accepted click.
    view.startNewGame();
    for (int round = 0; round < 20; ++round) {
        for (int i = 1; i <= Board::CellCount; ++i)
            QTest::mouseClick(view.cells[i % Board::CellCount], Qt::LeftButton);
    }
    QVERIFY(view.gameOver->isVisible());
    QCOMPARE(desktop.sounds, 2);
    QCOMPARE(view.scoreLine->text(), scoreLine(1710));
}

void MainWindowTest::newGameAfterGameOverShowsAFreshGame()
{
    MainView &view = *m_view;
    view.startNewGame();
    QTest::mouseClick(view.cells[1], Qt::LeftButton);
    view.tickAllToDeath();
    QVERIFY(view.gameOver->isVisible());

    view.startNewGame();
    QVERIFY(!view.gameOver->isVisible());
    QVERIFY(view.play->isVisible());
    QCOMPARE(view.scoreLine->text(), scoreLine(0));
    for (int i = 0; i < Board::CellCount; ++i) {
        QCOMPARE(view.cells[i]->text(), QStringLiteral("10"));
        QVERIFY(view.cells[i]->isEnabled());
        QCOMPARE(view.timers[i]->interval(), 1000);
        QVERIFY(view.timers[i]->isActive());
    }
}

void MainWindowTest::titleTimerRunsOnlyWhileThereIsSomethingToType()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    QStringList shown;
    const auto titleTick = [&] {
        tick(view.titleTimer);
        shown << window.windowTitle();
    };
    // The typing, then the tick that puts the fixed title back. The empty frame shows blank,
    // never as the program's name.
    QStringList typed = typedTitles() << QStringLiteral("Ka ludnik");
    typed[1] = QStringLiteral(" ");

    // Armed at start; it runs through the typing and the tick that puts frame 0 back, no longer,
    // and leaves nothing behind that would wake the program: no timer, no cached drawing.
    QVERIFY(QPixmapCache::insert(QStringLiteral("probe"), QPixmap(4, 4)));
    for (int i = 0; i < typed.size(); ++i) {
        QVERIFY2(view.titleTimer->isActive(), qPrintable(QString::number(i)));
        titleTick();
    }
    QCOMPARE(shown, typed);
    QCOMPARE(view.runningTimers(), 0);
    QPixmap probe;
    QVERIFY(!QPixmapCache::find(QStringLiteral("probe"), &probe));

    // A new game types it again; one during the typing neither restarts nor stops it.
    shown.clear();
    view.startNewGame();
    for (int i = 0; i < 4; ++i)
        titleTick();
    view.startNewGame();
    QVERIFY(view.titleTimer->isActive());
    for (int i = 4; i < typed.size(); ++i)
        titleTick();
    QCOMPARE(shown, typed);
    QVERIFY(!view.titleTimer->isActive());

    // After game over with the title typed, the window has no timer left running.
    view.tickAllToDeath();
    QCOMPARE(view.runningTimers(), 0);
}

void MainWindowTest::coveredCommandsDoNothingDuringAGame()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    view.startNewGame();
    // A real click lands on the topmost widget at the point: send it to the child there.
    const auto clickAt = [&](const QPoint &point) {
        QWidget *target = window.childAt(point);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, point));
    };
    const int openedByCoveredClicks = modalWindowsOpenedBy([&] {
        clickAt(view.about->geometry().center());
        clickAt(view.help->geometry().center());
    });
    QCOMPARE(openedByCoveredClicks, 0);

    // The new-game and quit commands are not covered.
    clickAt(view.quit->geometry().center());
    QCOMPARE(m_game->desktop.endRequests, QList<int>{0});
    view.tickCell(0);
    clickAt(view.newGame->geometry().center());
    QCOMPARE(view.cells[0]->text(), QStringLiteral("10"));

    // Where the help label reaches past the play picture, that strip still opens help.
    if (const auto strip = uncoveredPoint(view.help, view.play)) {
        const int openedByStrip =
            modalWindowsOpenedBy([&] { clickAt(view.help->mapToParent(*strip)); });
        QCOMPARE(openedByStrip, 1);
    }
}

void MainWindowTest::commandsByKeyByMenuAndByTab()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto key = [&](QKeyCombination combination) {
        QTest::keyClick(window.windowHandle(), combination.key(), combination.keyboardModifiers());
    };
    auto *menu = window.findChild<QMenu *>();
    // Tab reaches each command in turn, and Space presses the one it reached.
    for (Label *next : {view.newGame, view.help, view.about}) {
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(modalWindowsOpenedBy([&] { key(Qt::Key_Space); }), 1);
    QCOMPARE(modalWindowsOpenedBy([&] { key(Qt::Key_F1); }), 1);
    // During a game help and about are out of reach of their keys, the menu and the focus;
    // the table of best results is not, and pauses the game as P does, till P.
    view.startNewGame();
    QCOMPARE(modalWindowsOpenedBy([&] { key(Qt::Key_F1); }), 0);
    key(Qt::CTRL | Qt::Key_H);
    QVERIFY(findWindow<ScoreWindow>() && findWindow<ScoreWindow>()->isVisible());
    findWindow<ScoreWindow>()->close();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *cover = control<Label>(&window, "pauseCover");
    QVERIFY(cover->isVisible());
    key(Qt::Key_P);
    // The menu opens on a right click anywhere but on a cell, and on the menu key, inside the
    // window whatever has the focus. It holds the game while open, unless its Pause makes the
    // pause the player's.
    view.scoreWindowButton->setFocus();
    key(Qt::Key_Menu);
    QVERIFY(menu->isVisible() && window.geometry().contains(menu->pos()));
    auto *pause = window.findChild<QAction *>("pauseAction");
    QVERIFY(cover->isVisible() && !pause->isChecked());
    menu->close();
    QCoreApplication::processEvents();
    QVERIFY(!cover->isVisible());
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                      view.cells[4]->geometry().center());
    QVERIFY(!menu->isVisible());
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, QPoint(20, 300));
    QVERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pause).center());
    QCoreApplication::processEvents();
    QVERIFY(!menu->isVisible() && cover->isVisible());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    key(Qt::Key_P);
    // M turns the game-over sound off, says so for a moment, and the choice is kept.
    key(Qt::Key_M);
    auto *note = control<Label>(&window, "soundNote");
    QVERIFY(note->isVisible() && note->text() == MainWindow::tr("Sound off"));
    QCOMPARE(m_game->desktop.announced.last(), note);
    tick(window.findChild<QTimer *>("soundNoteTimer"));
    QVERIFY(!note->isVisible());
    view.tickAllToDeath();
    QCOMPARE(m_game->desktop.sounds, 0);
    QCOMPARE(
        Settings(TestGame::settingsPath(m_home.filePath(QStringLiteral("scores.json")))).sound(),
        false);
}

void MainWindowTest::pauseHoldsEveryCountdown()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    auto *cover = control<Label>(&window, "pauseCover");
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto key = [&](Qt::Key key) { QTest::keyClick(window.windowHandle(), key); };
    const auto cellsTicking = [&] {
        return std::any_of(view.timers.begin(), view.timers.end(),
                           [](const QTimer *timer) { return timer->isActive(); });
    };
    key(Qt::Key_P); // before the first game there is nothing to pause
    QVERIFY(!cover->isVisible());
    view.startNewGame();
    key(Qt::Key_Pause);
    QVERIFY(cover->isVisible() && !cellsTicking());
    // The grid takes no click from the keyboard, and help stays out of reach.
    view.cells[0]->click();
    QCOMPARE(modalWindowsOpenedBy([&] { key(Qt::Key_F1); }), 0);
    // A click on the cover goes on, and plays no cell.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      view.cells[0]->geometry().center());
    QVERIFY(!cover->isVisible() && cellsTicking());
    QCOMPARE(view.scoreLine->text(), scoreLine(0));
    // Leaving for another program or minimising pauses the game, and coming back goes on,
    // however short the absence; a pause of the player's own outlasts both.
    QWidget otherProgram;
    const auto focusOn = [](QWidget &target) {
        target.show();
        target.activateWindow();
        return QTest::qWaitForWindowActive(&target);
    };
    for (const bool paused : {false, true}) {
        if (paused)
            key(Qt::Key_P);
        QVERIFY(focusOn(otherProgram));
        QVERIFY(cover->isVisible());
        QVERIFY(focusOn(window));
        QCOMPARE(cover->isVisible(), paused);
        window.showMinimized();
        QVERIFY(cover->isVisible());
        window.showNormal();
        QCOMPARE(cover->isVisible(), paused);
    }
    // A new game starts unpaused; after game over there is nothing to pause.
    view.startNewGame();
    QVERIFY(!cover->isVisible() && cellsTicking());
    view.tickAllToDeath();
    key(Qt::Key_P);
    QVERIFY(!cover->isVisible());
}

void MainWindowTest::spaceOnTheHiddenButtonOpensTheScoreWindow()
{
    QVERIFY(QTest::qWaitForWindowActive(&m_game->window));
    QTest::keyClick(m_view->scoreWindowButton, Qt::Key_Space);
    auto *scoreWindow = findWindow<ScoreWindow>();
    QVERIFY(scoreWindow && scoreWindow->isVisible());
    scoreWindow->close();
    QVERIFY(!scoreWindow->isVisible());
    QTest::keyClick(m_view->scoreWindowButton, Qt::Key_Return);
    QVERIFY(scoreWindow->isVisible());
}

void MainWindowTest::quitCloseAndKeysEndTheProgramAndStopEveryTimer()
{
    MainView &view = *m_view;
    MainWindow &window = m_game->window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(view.play->isVisible() && view.runningTimers() > 0);
    QCOMPARE(m_game->desktop.endRequests, QList<int>{});

    // Whoever ends the program, nothing of the game ticks again, nor is anything more done.
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_game->desktop.endRequests, QList<int>{0});
    QCOMPARE(view.runningTimers(), 0);
    QTest::mouseClick(view.quit, Qt::LeftButton);
    window.close();
    QCOMPARE(m_game->desktop.endRequests, QList<int>{0});
}

void MainWindowTest::gridKeysClickTheirCells()
{
    // Keys as the window system hands them to the window, by their place (which key plays
    // which cell is GridKeys' own test): X11's key codes for keypad 7 and the letter key where
    // a US keyboard has Z.
    MainView &view = *m_view;
    QWindow *window = m_game->window.windowHandle();
    const auto press = [window](quint32 place, bool repeated = false) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, place, 0, 0, QString(),
                       repeated);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, place, 0, 0);
        QCoreApplication::sendEvent(window, &down);
        QCoreApplication::sendEvent(window, &up);
    };
    constexpr quint32 Keypad7 = 79, LetterZ = 52;
    QVERIFY(QTest::qWaitForWindowActive(&m_game->window));
    press(Keypad7); // no game yet
    QCOMPARE(view.scoreLine->text(), MainWindow::tr("S c o r e : 0"));
    view.startNewGame();
    press(LetterZ);
    QCOMPARE(view.scoreLine->text(), scoreLine(10));
    // The focus goes with the key, as with a click: Space then presses the cell just played,
    // which counts for nothing, and opens no window.
    QCOMPARE(QApplication::focusWidget(), view.cells[6]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(view.scoreLine->text(), scoreLine(10));
    QVERIFY(!findWindow<ScoreWindow>());
    QTest::mouseClick(view.cells[2], Qt::LeftButton);
    // Held down, Z repeats; X11 may send a repeat as a release and a press at the same time.
    press(LetterZ, true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, LetterZ, 0, 0);
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, LetterZ, 0, 0);
    release.setTimestamp(5000);
    again.setTimestamp(5000);
    QCoreApplication::sendEvent(window, &release);
    QCoreApplication::sendEvent(window, &again);
    QCOMPARE(view.scoreLine->text(), scoreLine(20));
    view.tickToDeath(0);
    press(Keypad7); // a dead cell
    QCOMPARE(view.scoreLine->text(), scoreLine(20));
}

void MainWindowTest::cellsReadTheirPlaceAndCount()
{
    MainView &view = *m_view;
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(view.cells[5]);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Button);
    const QString name = MainWindow::tr("Row %1, column %2").arg(2).arg(3);
    QCOMPARE(cell->text(QAccessible::Name), name);
    QVERIFY(cell->text(QAccessible::Description).startsWith(QStringLiteral("10")));

    view.startNewGame();
    view.tickCell(5);
    QCOMPARE(cell->text(QAccessible::Name), name); // the name stays; the count is the description
    QVERIFY(cell->text(QAccessible::Description).startsWith(QStringLiteral("9")));
    view.tickToDeath(5);
    QVERIFY(cell->text(QAccessible::Description).startsWith(MainWindow::tr("dead")));
}

void MainWindowTest::commandsReadAsButtonsUnlessCovered()
{
    MainView &view = *m_view;
    for (Label *command : {view.newGame, view.help, view.about, view.quit}) {
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(command);
        QVERIFY(label);
        QCOMPARE(label->role(), QAccessible::Button);
        QCOMPARE(label->text(QAccessible::Name), command->text());
        QVERIFY(label->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    QAccessibleInterface *newGame = QAccessible::queryAccessibleInterface(view.newGame);
    newGame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(view.play->isVisible());
    QVERIFY(QAccessible::queryAccessibleInterface(view.play)->state().invisible); // decoration

    // Under the play picture, a command cannot be pressed by speech either.
    QAccessibleInterface *about = QAccessible::queryAccessibleInterface(view.about);
    const auto pressAbout = [&] {
        about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    QVERIFY(about->state().disabled);
    QCOMPARE(modalWindowsOpenedBy(pressAbout), 0);
    QVERIFY(!QAccessible::queryAccessibleInterface(view.quit)->state().disabled);
    view.tickAllToDeath();
    QVERIFY(!about->state().disabled);
    QCOMPARE(modalWindowsOpenedBy(pressAbout), 1);
}

void MainWindowTest::scoreLineReadsItsScore()
{
    MainView &view = *m_view;
    QAccessibleInterface *score = QAccessible::queryAccessibleInterface(view.scoreLine);
    QCOMPARE(score->role(), QAccessible::StaticText);
    QCOMPARE(score->text(QAccessible::Name), MainWindow::tr("Score"));
    QCOMPARE(score->text(QAccessible::Description), QStringLiteral("0"));
    view.startNewGame();
    QTest::mouseClick(view.cells[3], Qt::LeftButton);
    QTest::mouseClick(view.cells[4], Qt::LeftButton);
    QCOMPARE(score->text(QAccessible::Description), QStringLiteral("20"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
