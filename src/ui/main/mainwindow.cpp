// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "aboutwindow.h"
#include "appinfo.h"
#include "board/numbertext.h"
#include "design.h"
#include "desktop.h"
#include "gridkeys.h"
#include "guard.h"
#include "helpwindow.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "process.h"
#include "scorewindow.h"
#include "settings/settings.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

using toolkit::ControlKind;
using toolkit::ControlName;
using toolkit::ControlSpec;
using toolkit::FontSpec;
using toolkit::Label;
using toolkit::Picture;
using toolkit::TextColor;
using toolkit::TopLeft;
namespace fonts = toolkit::fonts;

constexpr ControlName<Picture> BackgroundPicture{"backgroundPicture"};
constexpr ControlName<Label> NewGameCommand{"newGameCommand"};
constexpr ControlName<Label> ScoreLine{"scoreLine"};
constexpr ControlName<Label> HelpCommand{"helpCommand"};
constexpr ControlName<Label> AboutCommand{"aboutCommand"};
constexpr ControlName<Label> QuitCommand{"quitCommand"};
constexpr ControlName<Label> GameOverLabel{"gameOverLabel"};
constexpr ControlName<Picture> PlayPicture{"playPicture"};
constexpr ControlName<QPushButton> Cells[Board::CellCount] = {{"cell0"}, {"cell1"}, {"cell2"},
                                                              {"cell3"}, {"cell4"}, {"cell5"},
                                                              {"cell6"}, {"cell7"}, {"cell8"}};
constexpr ControlName<Label> PauseCover{"pauseCover"};
constexpr ControlName<QPushButton> ScoreWindowButton{"scoreWindowButton"};

constexpr FontSpec CommandFont{fonts::SansSerif, 13.5, true};
constexpr FontSpec GameOverFont{fonts::Comic, 27.75, true};
constexpr FontSpec CellFont{fonts::SansSerif, 17.25, true};

// From the back to the front, in twips. The grid's rows of three start at the top left, 975
// twips square and 105 apart.
constexpr ControlSpec Controls[] = {
    {BackgroundPicture.name,
     ControlKind::Picture,
     {-240, -480, 9000, 6000},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {NewGameCommand.name,
     ControlKind::Command,
     {2640, 2640, 1275, 360},
     CommandFont,
     TextColor::White,
     TopLeft,
     nullptr},
    {ScoreLine.name,
     ControlKind::Text,
     {5400, 3360, 1230, 240},
     fonts::BoldText,
     TextColor::White,
     TopLeft,
     nullptr},
    {HelpCommand.name,
     ControlKind::Command,
     {2640, 3120, 1440, 360},
     CommandFont,
     TextColor::White,
     TopLeft,
     nullptr},
    {AboutCommand.name,
     ControlKind::Command,
     {2640, 3600, 825, 360},
     CommandFont,
     TextColor::White,
     TopLeft,
     nullptr},
    {QuitCommand.name,
     ControlKind::Command,
     {2640, 4080, 915, 360},
     CommandFont,
     TextColor::White,
     TopLeft,
     nullptr},
    {GameOverLabel.name,
     ControlKind::Text,
     {5520, 3840, 2745, 765},
     GameOverFont,
     TextColor::Red,
     Qt::AlignCenter,
     nullptr},
    {PlayPicture.name,
     ControlKind::Picture,
     {2520, 3000, 1545, 1140},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {Cells[0].name,
     ControlKind::Button,
     {5400, 120, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[1].name,
     ControlKind::Button,
     {6480, 120, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[2].name,
     ControlKind::Button,
     {7560, 120, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[3].name,
     ControlKind::Button,
     {5400, 1200, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[4].name,
     ControlKind::Button,
     {6480, 1200, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[5].name,
     ControlKind::Button,
     {7560, 1200, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[6].name,
     ControlKind::Button,
     {5400, 2280, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[7].name,
     ControlKind::Button,
     {6480, 2280, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    {Cells[8].name,
     ControlKind::Button,
     {7560, 2280, 975, 975},
     CellFont,
     TextColor::System,
     TopLeft,
     "10"},
    // Over the grid while the game is paused, so that a paused game gives no free look.
    {PauseCover.name,
     ControlKind::Cover,
     {5400, 120, 3135, 3135},
     CommandFont,
     TextColor::White,
     Qt::AlignCenter,
     nullptr},
    // Below the client area: never seen, reached through the keyboard focus alone.
    {ScoreWindowButton.name,
     ControlKind::Button,
     {120, 5640, 2295, 495},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     "Command2"},
};

constexpr int TitleTimerInterval = 100;

// What a screen reader says of a cell: its count, or that it is dead, and the keys that
// click it, as GridKeys places them.
QString cellDescription(int index, const QString &caption)
{
    static constexpr char KeypadKeys[] = "789456123";
    static constexpr char UsLetterKeys[] = "QWEASDZXC";
    //: What a screen reader says of a cell that has died.
    const QString count = caption == Cell::DeadCaption ? MainWindow::tr("dead") : caption;
    //: What a screen reader says of a cell: %1 its count, %2 the key on the numeric keypad that
    //: clicks it, %3 the letter key that clicks it on a US keyboard; on other keyboards the key
    //: in the same place clicks it.
    return MainWindow::tr("%1. Keys: keypad %2, or %3 on a US keyboard, the same place on others")
        .arg(count, QString(QLatin1Char(KeypadKeys[index])),
             QString(QLatin1Char(UsLetterKeys[index])));
}

} // namespace

MainWindow::MainWindow(toolkit::Desktop &desktop, toolkit::PictureStore &pictures,
                       ScoreKeeper &scores, Settings &settings, QWidget *parent)
    : QWidget(parent, toolkit::frames::Fixed), m_desktop(desktop), m_pictures(pictures),
      m_scores(scores), m_settings(settings)
{
    toolkit::applyDesign(this,
                         {8610, 5505, QGuiApplication::palette().color(QPalette::Button), false});
    setWindowTitle(QString::fromUtf8(AppInfo::DisplayName));
    setWindowIcon(pictures.applicationIcon());
    buildControls();
    buildCommands();
    toolkit::connectGuarded(m_desktop, &m_scores, &ScoreKeeper::answered, this,
                            &MainWindow::takeScoresAnswer);
    auto *gridKeys = new toolkit::GridKeys(this);
    toolkit::connectGuarded(m_desktop, gridKeys, &toolkit::GridKeys::pressed, this,
                            &MainWindow::playPlace);
    // A grid key wins over a command's key that a layout puts in the grid's block.
    installEventFilter(gridKeys);
    m_gridKeys = gridKeys;
    toolkit::connectGuarded(m_desktop, qGuiApp, &QGuiApplication::focusWindowChanged, this,
                            &MainWindow::followFocus);

    armTitle();
    m_newGameCommand->showText(tr("New Game"));
    //: The score line until the first game, letter-spaced like the score prefix.
    m_scoreLine->showText(tr("S c o r e : 0"));
    m_helpCommand->showText(tr("Help"));
    m_aboutCommand->showText(tr("About"));
    m_quitCommand->showText(tr("Quit"));
    m_gameOverLabel->showText(tr("Game Over"));
    //: Over the grid while the game is paused; P and Pause are keys.
    m_pauseCover->showText(tr("Paused. Press P or Pause to go on."));
    showCommands();
    // The hidden button holds the focus at start, so that Space and Enter open the table.
    m_scoreWindowButton->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    toolkit::buildControls(this, Controls);
    using toolkit::builtControl;
    m_backgroundPicture = builtControl(this, BackgroundPicture);
    m_newGameCommand = builtControl(this, NewGameCommand);
    m_scoreLine = builtControl(this, ScoreLine);
    m_helpCommand = builtControl(this, HelpCommand);
    m_aboutCommand = builtControl(this, AboutCommand);
    m_quitCommand = builtControl(this, QuitCommand);
    m_gameOverLabel = builtControl(this, GameOverLabel);
    m_playPicture = builtControl(this, PlayPicture);
    m_pauseCover = builtControl(this, PauseCover);
    m_scoreWindowButton = builtControl(this, ScoreWindowButton);

    m_backgroundPicture->setPicture(
        [&pictures = m_pictures](qreal ratio) { return pictures.background(ratio); });
    // Hidden until a game starts: read then, not on the way to the first frame.
    m_playPicture->setPicture(
        [&pictures = m_pictures](qreal ratio) { return pictures.play(ratio); });
    m_playPicture->hide();
    m_gameOverLabel->hide();
    m_pauseCover->hide();

    for (int i = 0; i < Board::CellCount; ++i) {
        QPushButton *cell = builtControl(this, Cells[i]);
        //: What a screen reader calls a cell: %1 is its row, %2 its column, counted from 1.
        cell->setAccessibleName(tr("Row %1, column %2").arg(i / 3 + 1).arg(i % 3 + 1));
        cell->setAccessibleDescription(cellDescription(i, cell->text()));
        cell->setEnabled(false);
        toolkit::connectGuarded(m_desktop, cell, &QPushButton::clicked, this,
                                [this, i] { clickCell(i); });
        m_cells[std::size_t(i)] = cell;

        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("cellTimer%1").arg(i));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(1000);
        toolkit::connectGuarded(m_desktop, timer, &QTimer::timeout, this,
                                [this, i] { tickCell(i); });
        m_cellTimers[std::size_t(i)] = timer;
    }
    // Tab goes from the hidden button through the commands to the cells.
    QList<QWidget *> tabOrder{m_scoreWindowButton, m_newGameCommand, m_helpCommand, m_aboutCommand,
                              m_quitCommand};
    tabOrder.append(QList<QWidget *>(m_cells.begin(), m_cells.end()));
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    //: What a screen reader calls the hidden button that opens the score window.
    m_scoreWindowButton->setAccessibleName(tr("Open the score table"));

    // Started by armTitle(): a timer ticking over a finished title would wake the program ten
    // times a second for nothing.
    m_titleTimer = new QTimer(this);
    m_titleTimer->setObjectName(QStringLiteral("titleTimer"));
    m_titleTimer->setTimerType(Qt::PreciseTimer);
    m_titleTimer->setInterval(TitleTimerInterval);
    toolkit::connectGuarded(m_desktop, m_titleTimer, &QTimer::timeout, this,
                            &MainWindow::tickTitle);

    //: What a screen reader calls the score line; the score itself is read after it.
    m_scoreLine->setAccessibleName(tr("Score"));
    m_scoreLine->setAccessibleDescription(NumberText::fromSingle(m_board.score()));

    using toolkit::Label;
    toolkit::connectGuarded(m_desktop, m_newGameCommand, &Label::clicked, this,
                            &MainWindow::startNewGame);
    toolkit::connectGuarded(m_desktop, m_helpCommand, &Label::clicked, this, &MainWindow::openHelp);
    toolkit::connectGuarded(m_desktop, m_aboutCommand, &Label::clicked, this,
                            &MainWindow::openAbout);
    toolkit::connectGuarded(m_desktop, m_quitCommand, &Label::clicked, this, &MainWindow::quit);
    toolkit::connectGuarded(m_desktop, m_scoreWindowButton, &QPushButton::clicked, this,
                            &MainWindow::openScoreWindow);
}

void MainWindow::buildCommands()
{
    // Each with its keys, by the desktop's conventions; a new game and quitting reach from the
    // score window too.
    struct CommandEntry {
        const char *name;
        const char *text;
        std::array<QKeyCombination, 2> keys;
        Qt::ShortcutContext reach;
        bool checkable;
        void (MainWindow::*handler)();
    };
    static constexpr QKeyCombination None{};
    static constexpr CommandEntry Commands[CommandCount] = {
        {"newGameAction",
         QT_TRANSLATE_NOOP("MainWindow", "New Game"),
         {Qt::CTRL | Qt::Key_N, None},
         Qt::ApplicationShortcut,
         false,
         &MainWindow::startNewGame},
        {"pauseAction",
         QT_TRANSLATE_NOOP("MainWindow", "Pause"),
         {Qt::Key_P, Qt::Key_Pause},
         Qt::WindowShortcut,
         true,
         &MainWindow::togglePause},
        {"bestResultsAction",
         QT_TRANSLATE_NOOP("MainWindow", "Best Results"),
         {Qt::CTRL | Qt::Key_H, None},
         Qt::WindowShortcut,
         false,
         &MainWindow::openScoreWindow},
        {"soundAction",
         QT_TRANSLATE_NOOP("MainWindow", "Sound"),
         {Qt::Key_M, None},
         Qt::WindowShortcut,
         true,
         &MainWindow::toggleSound},
        {"helpAction",
         QT_TRANSLATE_NOOP("MainWindow", "Help"),
         {Qt::Key_F1, None},
         Qt::WindowShortcut,
         false,
         &MainWindow::openHelp},
        {"aboutAction",
         QT_TRANSLATE_NOOP("MainWindow", "About"),
         {None, None},
         Qt::WindowShortcut,
         false,
         &MainWindow::openAbout},
        {"quitAction",
         QT_TRANSLATE_NOOP("MainWindow", "Quit"),
         {Qt::CTRL | Qt::Key_Q, None},
         Qt::ApplicationShortcut,
         false,
         &MainWindow::quit},
    };
    m_menu = new QMenu(this);
    for (int i = 0; i < CommandCount; ++i) {
        const CommandEntry &entry = Commands[i];
        auto *command = new QAction(tr(entry.text), this);
        command->setObjectName(QLatin1String(entry.name));
        QList<QKeySequence> keys;
        for (const QKeyCombination key : entry.keys) {
            if (key != None)
                keys.append(key);
        }
        command->setShortcuts(keys);
        command->setShortcutContext(entry.reach);
        command->setCheckable(entry.checkable);
        toolkit::connectGuarded(m_desktop, command, &QAction::triggered, this, entry.handler);
        addAction(command);
        if (i == BestResults || i == Help || i == Quit)
            m_menu->addSeparator();
        m_menu->addAction(command);
        m_commands[std::size_t(i)] = command;
    }
    // The sound's setting is read when first needed: here, or at the first game over.
    toolkit::connectGuarded(m_desktop, m_menu, &QMenu::aboutToShow, this,
                            [this] { m_commands[Sound]->setChecked(m_settings.sound()); });
    auto *menuKeys = new QAction(this);
    menuKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    toolkit::connectGuarded(m_desktop, menuKeys, &QAction::triggered, this,
                            &MainWindow::openMenuByKey);
    addAction(menuKeys);
}

HelpWindow &MainWindow::helpWindow()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_pictures, this);
    return *m_helpWindow;
}

AboutWindow &MainWindow::aboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = new AboutWindow(m_desktop, m_pictures.applicationIcon(), this);
    return *m_aboutWindow;
}

ScoreWindow &MainWindow::scoreWindow()
{
    if (!m_scoreWindow)
        m_scoreWindow = new ScoreWindow(m_desktop, m_scores, this);
    return *m_scoreWindow;
}

void MainWindow::showEvent(QShowEvent *event)
{
    // The keys reach the window before any of its controls, whichever has the focus.
    windowHandle()->installEventFilter(m_gridKeys);
    QWidget::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program; it is never refused.
    event->accept();
    toolkit::runGuarded(m_desktop, [this] { quit(); });
}

void MainWindow::startNewGame()
{
    // The finished game is stored whatever comes; its window no longer opens, and one that
    // names it closes, keeping the name, and leaves the keyboard to the game.
    m_gameBeingStored = false;
    if (m_scoreWindow && m_scoreWindow->isNaming()) {
        m_scoreWindow->close();
        activateWindow();
    }
    m_board.newGame();
    m_timersHeld = false; // every period starts afresh, paused or not
    for (int i = 0; i < Board::CellCount; ++i)
        showCell(i, true);
    m_playPicture->show();
    showScore();
    m_gameOverLabel->hide();
    showPause();
    armTitle();
}

void MainWindow::togglePause()
{
    if (m_board.pauseReason() == Pause::None)
        m_board.pause(Pause::Player);
    else
        m_board.resume(Pause::Player);
    showPause();
}

void MainWindow::toggleSound()
{
    const bool on = !m_settings.sound();
    m_settings.setSound(on);
    m_commands[Sound]->setChecked(on);
}

void MainWindow::followFocus(QWindow *focus)
{
    // The game's own windows are transient for this one; its menu too.
    if (focus && (focus == windowHandle() || focus->transientParent() == windowHandle()))
        m_board.resume(Pause::Away);
    else
        m_board.pause(Pause::Away);
    showPause();
}

void MainWindow::openMenuByKey()
{
    // At the control that has the focus, unless it lies out of sight (the hidden button).
    const QWidget *focus = focusWidget();
    const QPoint at = focus && rect().contains(focus->geometry().center())
                          ? focus->geometry().center()
                          : m_newGameCommand->geometry().center();
    m_menu->popup(mapToGlobal(at));
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click on a cell is a click meant for the game, not for the menu.
    if (event->reason() == QContextMenuEvent::Mouse &&
        qobject_cast<QPushButton *>(childAt(event->pos())))
        return;
    toolkit::runGuarded(m_desktop, [this, event] {
        if (event->reason() == QContextMenuEvent::Mouse)
            m_menu->popup(event->globalPos());
        else
            openMenuByKey();
    });
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        toolkit::runGuarded(m_desktop, [this] {
            m_board.pause(Pause::Away);
            showPause();
        });
    }
    QWidget::changeEvent(event);
}

void MainWindow::openHelp()
{
    helpWindow().exec();
}

void MainWindow::openAbout()
{
    aboutWindow().exec();
}

void MainWindow::openScoreWindow()
{
    m_scores.read(); // what other copies of the game saved meanwhile
    scoreWindow().present();
}

void MainWindow::quit()
{
    if (m_scoreWindow)
        m_scoreWindow->close(); // keeps the name it shows
    m_desktop.endProgram(0);
}

void MainWindow::clickCell(int index)
{
    const ClickResult result = m_board.click(qint16(index));
    switch (result.outcome) {
    case ClickOutcome::Ignored:
        return;
    case ClickOutcome::Scored:
        showCell(index, true);
        showScore();
        return;
    case ClickOutcome::Killed:
        showCell(index, false);
        if (result.gameOver)
            showGameOver();
        return;
    }
}

void MainWindow::playPlace(int place)
{
    // A key that plays the grid is a click on its cell, by the cell's own click: a dead or
    // disabled cell takes none. The keyboard focus goes to the cell as a click's would, so
    // that Space presses the cell just played rather than the hidden button.
    QPushButton *cell = m_cells[std::size_t(place)];
    if (!cell->isEnabled())
        return;
    cell->setFocus(Qt::OtherFocusReason);
    cell->click();
}

void MainWindow::tickCell(int index)
{
    const bool gameOver = m_board.tick(qint16(index));
    showCell(index, false);
    if (gameOver)
        showGameOver();
}

void MainWindow::tickTitle()
{
    if (const std::optional<QString> title = m_title.nextTitle()) {
        // Qt would hand an empty title to the window system as the program's name, which then
        // shows for an instant; a single space is drawn blank everywhere.
        setWindowTitle(title->isEmpty() ? QStringLiteral(" ") : *title);
    }
    if (m_title.hasMoreToShow())
        return;
    m_titleTimer->stop();
    dropDrawingsWhenStill();
}

void MainWindow::dropDrawingsWhenStill()
{
    // Nothing moves from here until the player acts: no game runs, or it is paused, and the
    // title is typed out.
    if (!m_titleTimer->isActive() && (m_board.phase() != GamePhase::Running || m_board.isPaused()))
        toolkit::process::dropCachedDrawings();
}

void MainWindow::armTitle()
{
    m_title.arm();
    // Already running while typing: the period goes on, so the frames stay 100 ms apart.
    if (!m_titleTimer->isActive())
        m_titleTimer->start();
}

void MainWindow::showCell(int index, bool restartPeriod)
{
    const Cell &cell = m_board.cell(index);
    QTimer *timer = m_cellTimers[std::size_t(index)];
    // A timer runs while it is enabled with a period, unless the game is paused; a new period
    // starts it afresh. The one period that goes on after a pause is shorter, and the tick that
    // ends it starts the cell's own period again.
    if (!cell.timerEnabled || cell.timerInterval <= 0) {
        timer->stop();
        timer->setInterval(cell.timerInterval);
    } else if (m_timersHeld) {
        return;
    } else if (restartPeriod || !timer->isActive() || timer->interval() != cell.timerInterval) {
        timer->start(cell.timerInterval);
    }
    QPushButton *button = m_cells[std::size_t(index)];
    button->setText(cell.caption);
    button->setEnabled(cell.enabled);
    button->setAccessibleDescription(cellDescription(index, cell.caption));
}

void MainWindow::showScore()
{
    m_scoreLine->showText(m_board.scoreText());
    m_scoreLine->setAccessibleDescription(NumberText::fromSingle(m_board.score()));
}

void MainWindow::showGameOver()
{
    // The result is stored at once, before anything asks the player anything: closing the
    // window or quitting loses nothing. Whether it makes the table is decided on the file as
    // it is now: another copy of the game may have filled the table meanwhile.
    m_scores.addGame(
        {int(m_board.score()), QDateTime::currentDateTimeUtc(), std::chrono::milliseconds(0)},
        PlayerName::ofSystemUser());
    m_gameBeingStored = true;
    m_gameOverLabel->show();
    m_playPicture->hide();
    showCommands();
    if (m_settings.sound())
        m_desktop.playGameOverSound();
    m_desktop.announce(m_gameOverLabel);
}

void MainWindow::showPause()
{
    const bool paused = m_board.isPaused();
    if (paused != m_timersHeld) {
        m_timersHeld = paused;
        for (int i = 0; i < Board::CellCount; ++i) {
            QTimer *timer = m_cellTimers[std::size_t(i)];
            const Cell &cell = m_board.cell(i);
            if (paused && timer->isActive()) {
                m_restOfPeriod[std::size_t(i)] = timer->remainingTime();
                timer->stop();
            } else if (!paused && cell.timerEnabled && cell.timerInterval > 0) {
                timer->start(m_restOfPeriod[std::size_t(i)]);
            }
        }
    }
    if (paused == m_pauseCover->isHidden()) {
        m_pauseCover->setVisible(paused);
        if (paused)
            m_desktop.announce(m_pauseCover);
        dropDrawingsWhenStill();
    }
    showCommands();
}

void MainWindow::showCommands()
{
    // Help and about are out of reach while a game runs, as the play picture covers them; a
    // pause brings them within reach of their keys and the menu, not of the focus.
    const bool running = m_board.phase() == GamePhase::Running;
    m_commands[PauseGame]->setEnabled(running);
    m_commands[PauseGame]->setChecked(m_board.isPaused());
    for (const Command covered : {Help, About})
        m_commands[covered]->setEnabled(!running || m_board.isPaused());
    for (Label *covered : {m_helpCommand, m_aboutCommand})
        covered->setFocusPolicy(running ? Qt::NoFocus : Qt::TabFocus);
}

void MainWindow::takeScoresAnswer(const ScoreKeeper::Answer &answer)
{
    if (answer.request != ScoreKeeper::Request::AddGame || !std::exchange(m_gameBeingStored, false))
        return;
    if (answer.entry)
        scoreWindow().offer(*answer.entry); // the row to name
    else if (!answer.kept)
        scoreWindow().present(); // why a result that made the table is not in it
}
