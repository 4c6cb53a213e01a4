// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "scores/scorekeeper.h"

#include <QWidget>

#include <array>
#include <memory>

class CommandMenu;
class Game;
class GameDialogs;
class QPushButton;
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
// own: its game, a child named "game", keeps the rules and the time, takes the clicks, the keys
// and the reasons to hold it, and says what to show. Every command is also in a menu, on a
// right click and the menu keys, each with its key; a game pauses by the player's word, while
// the player is away and while the menu is open.
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
    void buildControls();
    void buildCells();
    void buildCommands();
    void followGame();

    // Handlers.
    // `from` is the window the command came from.
    void startNewGame(const QWidget *from);
    void openHelp();
    void openAbout();
    void openBestResults();
    void openScoreWindow();
    void toggleSound();
    void openMenuByKey();
    void followPresence();
    void playPlace(int place);
    void takeScoresAnswer(const ScoreKeeper::Answer &answer);

    // What the game says.
    void showCell(int index);
    void showScore();
    void showGameOver();
    void showTitle(const QString &title);
    // The cover over the grid while the game is held.
    void showPause();
    // Which commands the game leaves available, and the state of the checked ones.
    void showCommands();

    toolkit::Desktop &m_desktop;
    toolkit::PictureStore &m_pictures;
    ScoreKeeper &m_scores;
    Settings &m_settings;

    Game *m_game;                           // a child
    std::unique_ptr<GameDialogs> m_dialogs; // children too, made on first use
    // The finished game whose storing was asked for, until the answer opens its window.
    bool m_gameBeingStored = false;

    // Children, each owned by this window.
    std::array<QPushButton *, Board::CellCount> m_cells{};
    std::array<QString, Board::CellCount> m_cellDescriptions; // each with its count left open
    QObject *m_gridKeys = nullptr;                            // the keys that play the grid
    QPushButton *m_scoreWindowButton = nullptr; // below the client area, reached by the focus
    toolkit::Label *m_newGameCommand = nullptr;
    toolkit::Label *m_scoreLine = nullptr;
    toolkit::Label *m_helpCommand = nullptr;
    toolkit::Label *m_aboutCommand = nullptr;
    toolkit::Label *m_quitCommand = nullptr;
    toolkit::Label *m_gameOverLabel = nullptr;
    toolkit::Picture *m_backgroundPicture = nullptr;
    toolkit::Picture *m_playPicture = nullptr; // over help and about while a game runs
    toolkit::Label *m_soundNote = nullptr;     // what M did, for a moment
    toolkit::Label *m_pauseCover = nullptr;    // over the grid while the game is held
    CommandMenu *m_commands = nullptr;
};
