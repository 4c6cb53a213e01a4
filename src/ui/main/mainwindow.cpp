// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "appinfo.h"
#include "board/game.h"
#include "board/numbertext.h"
#include "commandmenu.h"
#include "design.h"
#include "desktop.h"
#include "aboutwindow.h"
#include "gamedialogs.h"
#include "helpwindow.h"
#include "gridkeys.h"
#include "guard.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "process.h"
#include "scorewindow.h"
#include "settings/settings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPushButton>
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
using toolkit::TwipRect;
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
constexpr ControlName<Label> SoundNote{"soundNote"};
constexpr ControlName<QPushButton> ScoreWindowButton{"scoreWindowButton"};

constexpr FontSpec CommandFont{fonts::SansSerif, 13.5, true};
constexpr FontSpec GameOverFont{fonts::Comic, 27.75, true};
constexpr FontSpec CellFont{fonts::SansSerif, 17.25, true};

// Cell `index` of the grid, whose rows of three start at the top left, 975 twips square and 105
// apart.
constexpr ControlSpec cellSpec(int index)
{
    return {Cells[index].name,
            ControlKind::Button,
            {5400.0f + float(1080 * (index % 3)), 120.0f + float(1080 * (index / 3)), 975, 975},
            CellFont,
            TextColor::System,
            TopLeft,
            "10"};
}

// A command of the left column, white on the picture.
constexpr ControlSpec commandSpec(ControlName<Label> name, TwipRect place)
{
    return {name.name, ControlKind::Command, place, CommandFont, TextColor::White, TopLeft,
            nullptr};
}

constexpr ControlSpec pictureSpec(ControlName<Picture> name, TwipRect place)
{
    return {name.name, ControlKind::Picture, place, fonts::WindowText, TextColor::System, TopLeft,
            nullptr};
}

// From the back to the front, in twips.
// How long the note on the sound shows.
constexpr std::chrono::milliseconds SoundNoteTime{2000};

constexpr ControlSpec Controls[] = {
    pictureSpec(BackgroundPicture, {-240, -480, 9000, 6000}),
    commandSpec(NewGameCommand, {2640, 2640, 1275, 360}),
    {ScoreLine.name,
     ControlKind::Text,
     {5400, 3360, 1230, 240},
     fonts::BoldText,
     TextColor::White,
     TopLeft,
     nullptr},
    commandSpec(HelpCommand, {2640, 3120, 1440, 360}),
    commandSpec(AboutCommand, {2640, 3600, 825, 360}),
    commandSpec(QuitCommand, {2640, 4080, 915, 360}),
    {GameOverLabel.name,
     ControlKind::Text,
     {5520, 3840, 2745, 765},
     GameOverFont,
     TextColor::Red,
     Qt::AlignCenter,
     nullptr},
    pictureSpec(PlayPicture, {2520, 3000, 1545, 1140}),
    cellSpec(0),
    cellSpec(1),
    cellSpec(2),
    cellSpec(3),
    cellSpec(4),
    cellSpec(5),
    cellSpec(6),
    cellSpec(7),
    cellSpec(8),
    // Over the grid while the game is held, so that a held game gives no free look; a click on it
    // goes on.
    {PauseCover.name,
     ControlKind::Cover,
     {5400, 120, 3135, 3135},
     CommandFont,
     TextColor::White,
     Qt::AlignCenter,
     nullptr},
    // Under the quit command, for a moment after the sound is turned off or on.
    {SoundNote.name,
     ControlKind::Text,
     {2640, 4680, 1500, 240},
     fonts::BoldText,
     TextColor::White,
     TopLeft,
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

// What a screen reader says of a cell: its count, or that it is dead, and the keys that
// click it, as GridKeys places them.
// Made once, its count left open as %1: a tick only puts the count in.
QString cellDescriptionFormat(int index)
{
    static constexpr char KeypadKeys[] = "789456123";
    static constexpr char UsLetterKeys[] = "QWEASDZXC";
    //: What a screen reader says of a cell: %1 its count, %2 the key on the numeric keypad that
    //: clicks it, %3 the letter key that clicks it on a US keyboard; on other keyboards the key
    //: in the same place clicks it.
    return MainWindow::tr("%1. Keys: keypad %2, or %3 on a US keyboard, the same place on others")
        .arg(QStringLiteral("%1"), QString(QLatin1Char(KeypadKeys[index])),
             QString(QLatin1Char(UsLetterKeys[index])));
}

QString cellDescription(const QString &format, const QString &caption)
{
    //: What a screen reader says of a cell that has died.
    return format.arg(caption == Cell::DeadCaption ? MainWindow::tr("dead") : caption);
}

} // namespace

MainWindow::MainWindow(toolkit::Desktop &desktop, toolkit::PictureStore &pictures,
                       ScoreKeeper &scores, Settings &settings, QWidget *parent)
    : QWidget(parent, toolkit::frames::Fixed), m_desktop(desktop), m_pictures(pictures),
      m_scores(scores), m_settings(settings),
      m_game(new Game(
          [&desktop](const std::function<void()> &work) { toolkit::runGuarded(desktop, work); },
          this))
{
    m_game->setObjectName(QStringLiteral("game"));
    toolkit::applyDesign(this,
                         {8610, 5505, QGuiApplication::palette().color(QPalette::Button), false});
    setWindowTitle(QString::fromUtf8(AppInfo::DisplayName));
    setWindowIcon(pictures.applicationIcon());
    buildControls();
    buildCommands();
    m_dialogs = std::make_unique<GameDialogs>(desktop, pictures, scores, *m_commands, this);
    followGame();
    toolkit::connectGuarded(m_desktop, &m_scores, &ScoreKeeper::answered, this,
                            &MainWindow::takeScoresAnswer);
    auto *gridKeys = new toolkit::GridKeys(this);
    toolkit::connectGuarded(m_desktop, gridKeys, &toolkit::GridKeys::pressed, this,
                            &MainWindow::playPlace);
    // A grid key wins over a command's key that a layout puts in the grid's block.
    installEventFilter(gridKeys);
    m_gridKeys = gridKeys;
    toolkit::connectGuarded(m_desktop, qGuiApp, &QGuiApplication::focusWindowChanged, this,
                            &MainWindow::followPresence);

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
    m_soundNote = builtControl(this, SoundNote);
    m_scoreWindowButton = builtControl(this, ScoreWindowButton);

    m_backgroundPicture->setPicture(
        [&pictures = m_pictures](qreal ratio) { return pictures.background(ratio); });
    // Hidden until a game starts: read then, not on the way to the first frame.
    m_playPicture->setPicture(
        [&pictures = m_pictures](qreal ratio) { return pictures.play(ratio); });
    m_playPicture->hide();
    m_gameOverLabel->hide();
    m_pauseCover->hide();
    m_soundNote->hide();
    buildCells();
    // Tab goes from the hidden button through the commands to the cells.
    QList<QWidget *> tabOrder{m_scoreWindowButton, m_newGameCommand, m_helpCommand, m_aboutCommand,
                              m_quitCommand};
    tabOrder.append(QList<QWidget *>(m_cells.begin(), m_cells.end()));
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    //: What a screen reader calls the hidden button that opens the score window.
    m_scoreWindowButton->setAccessibleName(tr("Open the score table"));

    //: What a screen reader calls the score line; the score itself is read after it.
    m_scoreLine->setAccessibleName(tr("Score"));
    m_scoreLine->setAccessibleDescription(NumberText::fromSingle(m_game->board().score()));

    using toolkit::Label;
    toolkit::connectGuarded(m_desktop, m_newGameCommand, &Label::clicked, this,
                            [this] { startNewGame(this); });
    toolkit::connectGuarded(m_desktop, m_helpCommand, &Label::clicked, this, &MainWindow::openHelp);
    toolkit::connectGuarded(m_desktop, m_aboutCommand, &Label::clicked, this,
                            &MainWindow::openAbout);
    toolkit::connectGuarded(m_desktop, m_quitCommand, &Label::clicked, this, &MainWindow::quit);
    toolkit::connectGuarded(m_desktop, m_pauseCover, &Label::clicked, this,
                            [this] { m_game->resume(Pause::Player); });
    toolkit::connectGuarded(m_desktop, m_scoreWindowButton, &QPushButton::clicked, this,
                            &MainWindow::openScoreWindow);
}

void MainWindow::buildCells()
{
    for (int i = 0; i < Board::CellCount; ++i) {
        QPushButton *cell = toolkit::builtControl(this, Cells[i]);
        //: What a screen reader calls a cell: %1 is its row, %2 its column, counted from 1.
        cell->setAccessibleName(tr("Row %1, column %2").arg(i / 3 + 1).arg(i % 3 + 1));
        m_cellDescriptions[std::size_t(i)] = cellDescriptionFormat(i);
        cell->setAccessibleDescription(
            cellDescription(m_cellDescriptions[std::size_t(i)], cell->text()));
        cell->setEnabled(false);
        toolkit::connectGuarded(m_desktop, cell, &QPushButton::clicked, this,
                                [this, i] { m_game->click(i); });
        m_cells[std::size_t(i)] = cell;
    }
}

void MainWindow::buildCommands()
{
    m_commands = new CommandMenu(m_desktop, this,
                                 {[this] { startNewGame(QApplication::activeWindow()); },
                                  [this] { m_game->togglePause(); }, [this] { openBestResults(); },
                                  [this] { toggleSound(); }, [this] { openHelp(); },
                                  [this] { openAbout(); }, [this] { quit(); }});
    // The menu holds the game while it is open. The sound's setting is read when first needed:
    // here, or at the first game over.
    toolkit::connectGuarded(m_desktop, m_commands, &CommandMenu::opened, this, [this] {
        m_commands->command(CommandMenu::Sound)->setChecked(m_settings.sound());
        m_game->pause(Pause::Menu);
    });
    // A command chosen in the menu that made the pause the player's own keeps it.
    toolkit::connectGuarded(m_desktop, m_commands, &CommandMenu::closed, this,
                            [this] { m_game->resume(Pause::Menu); });
    auto *menuKeys = new QAction(this);
    menuKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    toolkit::connectGuarded(m_desktop, menuKeys, &QAction::triggered, this,
                            &MainWindow::openMenuByKey);
    addAction(menuKeys);
}

void MainWindow::followGame()
{
    using toolkit::connectGuarded;
    connectGuarded(m_desktop, m_game, &Game::cellChanged, this, &MainWindow::showCell);
    connectGuarded(m_desktop, m_game, &Game::scoreChanged, this, &MainWindow::showScore);
    connectGuarded(m_desktop, m_game, &Game::pauseChanged, this, &MainWindow::showPause);
    connectGuarded(m_desktop, m_game, &Game::gameOver, this, &MainWindow::showGameOver);
    connectGuarded(m_desktop, m_game, &Game::titleChanged, this, &MainWindow::showTitle);
    // Qt's cached drawings would wake the program only to age them.
    connectGuarded(m_desktop, m_game, &Game::stilled, this,
                   [] { toolkit::process::dropCachedDrawings(); });
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

void MainWindow::startNewGame(const QWidget *from)
{
    // The finished game is stored whatever comes; its window no longer opens.
    m_gameBeingStored = false;
    if (m_dialogs->closeForNewGame(from))
        activateWindow(); // the keys go back to the game
    m_game->newGame();
    m_playPicture->show();
    m_gameOverLabel->hide();
    showCommands();
}

void MainWindow::toggleSound()
{
    const bool on = !m_settings.sound();
    m_settings.setSound(on);
    m_commands->command(CommandMenu::Sound)->setChecked(on);
    //: A note on the main window for a moment after M, or the menu's Sound, turned the
    //: game-over sound on or off.
    m_soundNote->showFor(on ? tr("Sound on") : tr("Sound off"), SoundNoteTime);
    m_desktop.announce(m_soundNote);
}

void MainWindow::followPresence()
{
    // The player is here while the window is not minimised and the focus is in one of the
    // game's windows, all transient for this one, its menu too. A window restored at once has
    // had no change of the focus to tell it, so its own state counts as well.
    const QWindow *focus = QGuiApplication::focusWindow();
    const bool here = !isMinimized() && focus &&
                      (focus == windowHandle() || focus->transientParent() == windowHandle());
    if (here)
        m_game->resume(Pause::Away);
    else
        m_game->pause(Pause::Away);
}

void MainWindow::openMenuByKey()
{
    // At the control that has the focus, unless it lies out of sight (the hidden button).
    const QWidget *focus = focusWidget();
    const QPoint at = focus && rect().contains(focus->geometry().center())
                          ? focus->geometry().center()
                          : m_newGameCommand->geometry().center();
    m_commands->popup(mapToGlobal(at));
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click on a cell is a click meant for the game, not for the menu.
    if (event->reason() == QContextMenuEvent::Mouse &&
        qobject_cast<QPushButton *>(childAt(event->pos())))
        return;
    toolkit::runGuarded(m_desktop, [this, event] {
        if (event->reason() == QContextMenuEvent::Mouse)
            m_commands->popup(event->globalPos());
        else
            openMenuByKey();
    });
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        toolkit::runGuarded(m_desktop, [this] { followPresence(); });
    QWidget::changeEvent(event);
}

void MainWindow::openHelp()
{
    m_dialogs->help().exec();
}

void MainWindow::openAbout()
{
    m_dialogs->about().exec();
}

void MainWindow::openBestResults()
{
    // The game's own command never costs a running game: it pauses it as P does.
    m_game->pause(Pause::Player);
    openScoreWindow();
}

void MainWindow::openScoreWindow()
{
    m_scores.read(); // what other copies of the game saved meanwhile
    m_dialogs->score().present();
}

void MainWindow::quit()
{
    if (ScoreWindow *score = m_dialogs->scoreIfMade())
        score->close(); // keeps the name it shows
    m_desktop.endProgram(0);
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

void MainWindow::showCell(int index)
{
    const Cell &cell = m_game->board().cell(index);
    QPushButton *button = m_cells[std::size_t(index)];
    button->setText(cell.caption);
    button->setEnabled(cell.enabled);
    button->setAccessibleDescription(
        cellDescription(m_cellDescriptions[std::size_t(index)], cell.caption));
}

void MainWindow::showScore()
{
    const Board &board = m_game->board();
    m_scoreLine->showText(board.scoreText());
    m_scoreLine->setAccessibleDescription(NumberText::fromSingle(board.score()));
}

void MainWindow::showTitle(const QString &title)
{
    // Qt would hand an empty title to the window system as the program's name, which then shows
    // for an instant; a single space is drawn blank everywhere.
    setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
}

void MainWindow::showGameOver()
{
    // The game is counted, and its result stored at once, before anything asks the player
    // anything: closing the window or quitting loses nothing. Whether it makes the table is
    // decided on the file as it is now: another copy of the game may have filled the table
    // meanwhile.
    m_scores.addGame({int(m_game->board().score()), QDateTime::currentDateTimeUtc(),
                      std::chrono::milliseconds(m_game->playedTime())},
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
    const Pause reason = m_game->board().pauseReason();
    const bool held = reason != Pause::None;
    if (held == m_pauseCover->isHidden()) {
        m_pauseCover->setVisible(held);
        // The open menu that holds the game speaks for itself.
        if (held && reason != Pause::Menu)
            m_desktop.announce(m_pauseCover);
    }
    showCommands();
}

void MainWindow::showCommands()
{
    // Help and about are out of reach while a game runs, held or not, as the play picture
    // covers them: by their keys and the menu as by a click and the focus.
    const Board &board = m_game->board();
    const bool running = board.phase() == GamePhase::Running;
    QAction *pause = m_commands->command(CommandMenu::PauseGame);
    pause->setEnabled(running);
    pause->setChecked(board.isPaused() && board.pauseReason() != Pause::Menu);
    for (const CommandMenu::Command covered : {CommandMenu::Help, CommandMenu::About})
        m_commands->command(covered)->setEnabled(!running);
    for (Label *covered : {m_helpCommand, m_aboutCommand})
        covered->setFocusPolicy(running ? Qt::NoFocus : Qt::TabFocus);
}

void MainWindow::takeScoresAnswer(const ScoreKeeper::Answer &answer)
{
    if (answer.request != ScoreKeeper::Request::AddGame || !std::exchange(m_gameBeingStored, false))
        return;
    if (answer.entry)
        m_dialogs->score().offer(*answer.entry); // the row to name
    else if (!answer.kept)
        m_dialogs->score().present(); // why a result that made the table is not in it
}
