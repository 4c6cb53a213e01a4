// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "scores/scorekeeper.h"
#include "title/titleanimation.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class AboutWindow;
class HelpWindow;
class QAction;
class QMenu;
class QPushButton;
class QTimer;
class ScoreWindow;
class Settings;

namespace toolkit {
class Desktop;
class Label;
class Picture;
class PictureStore;
} // namespace toolkit

// The main window: the grid of cells on the right, the four text commands on the left over the
// background picture, the score line and the game-over label. It holds no game state of its
// own; its handlers call the board's rules and then show the board's state. Every command is
// also in a menu, on a right click and the menu keys, each with its key; a game pauses by the
// player's word and while the player is away.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The window uses `desktop`, `pictures`, `scores` and `settings` for as long as it lives.
    MainWindow(toolkit::Desktop &desktop, toolkit::PictureStore &pictures, ScoreKeeper &scores,
               Settings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Ends the program, as the quit command does: a name being typed for a result is kept
    // first.
    void quit();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The menu's commands, in its order.
    enum Command { NewGame, PauseGame, BestResults, Sound, Help, About, Quit, CommandCount };

    void buildControls();
    void buildCommands();

    // Handlers.
    void startNewGame();
    void openHelp();
    void openAbout();
    void openScoreWindow();
    void togglePause();
    void toggleSound();
    void openMenuByKey();
    void followFocus(QWindow *focus);
    void clickCell(int index);
    void playPlace(int place);
    void tickCell(int index);
    void tickTitle();
    void takeScoresAnswer(const ScoreKeeper::Answer &answer);

    // Starts the typing of the title and its timer, which runs only while there is something
    // left to type.
    void armTitle();
    // Shows cell `index` on its button and timer; `restartPeriod` starts its timer's period
    // afresh, as after a new game or an accepted click, which put the countdown back to "10".
    void showCell(int index, bool restartPeriod);
    // The score line, written only after a new game and after a click that scored.
    void showScore();
    void showGameOver();
    // The cover over the grid while the game is paused, and its countdowns held or going on
    // with what was left of their periods.
    void showPause();
    // Which commands the game leaves available, and the state of the checked ones.
    void showCommands();
    // Lets Qt's cached drawings go where nothing will move until the player acts: they would
    // wake the program only to age them.
    void dropDrawingsWhenStill();

    // The dialogs, each created on first use, transient for this window, which owns them.
    HelpWindow &helpWindow();
    AboutWindow &aboutWindow();
    ScoreWindow &scoreWindow();

    toolkit::Desktop &m_desktop;
    toolkit::PictureStore &m_pictures;
    ScoreKeeper &m_scores;
    Settings &m_settings;

    Board m_board;
    TitleAnimation m_title;
    // The finished game whose storing was asked for, until the answer opens its window.
    bool m_gameBeingStored = false;
    // While paused, the cell timers are stopped, and what was left of each period is kept.
    bool m_timersHeld = false;
    std::array<int, Board::CellCount> m_restOfPeriod{};

    // Children, each owned by this window.
    QPointer<HelpWindow> m_helpWindow;
    QPointer<AboutWindow> m_aboutWindow;
    QPointer<ScoreWindow> m_scoreWindow;
    std::array<QPushButton *, Board::CellCount> m_cells{};
    std::array<QTimer *, Board::CellCount> m_cellTimers{};
    QTimer *m_titleTimer = nullptr;
    QObject *m_gridKeys = nullptr;              // the keys that play the grid
    QPushButton *m_scoreWindowButton = nullptr; // below the client area, reached by the focus
    toolkit::Label *m_newGameCommand = nullptr;
    toolkit::Label *m_scoreLine = nullptr;
    toolkit::Label *m_helpCommand = nullptr;
    toolkit::Label *m_aboutCommand = nullptr;
    toolkit::Label *m_quitCommand = nullptr;
    toolkit::Label *m_gameOverLabel = nullptr;
    toolkit::Picture *m_backgroundPicture = nullptr;
    toolkit::Picture *m_playPicture = nullptr; // over help and about while a game runs
    toolkit::Label *m_pauseCover = nullptr;    // over the grid while the game is paused
    std::array<QAction *, CommandCount> m_commands{};
    QMenu *m_menu = nullptr;
};
