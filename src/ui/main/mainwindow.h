#pragma once

#include "board/board.h"
#include "scores/scorekeeper.h"
#include "title/titleanimation.h"
#include "window.h"

#include <QDateTime>

#include <array>
#include <memory>
#include <optional>

class AboutWindow;
class Button;
class HelpWindow;
class Label;
class Picture;
class ScoreWindow;
class Timer;

// The main window: the grid of cells on the right, the four text commands on the left over the
// background picture, the score line and the game-over label. It holds no game state of its
// own; its handlers call the board's rules and then show the board's state.
class MainWindow : public Window {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    const Board &board() const { return m_board; }
    const TitleAnimation &title() const { return m_title; }

protected:
    void buildControls(QWidget *surface) override;
    void onLoad() override;
    void onClose() override;

private:
    // Handlers, each run inside the toolkit's handler boundary.
    void startNewGame();
    void openHelp();
    void openAbout();
    void openScoreWindow();
    void quit();
    void clickCell(int index);
    void tickCell(int index);
    void tickTitle();
    // Starts the typing of the title and its timer, which runs only while there is something
    // left to type.
    void armTitle();

    // Shows cell `index` on its button and timer; `restartPeriod` starts its timer's period
    // afresh, as after a new game or an accepted click, which put the countdown back to "10".
    void showCell(int index, bool restartPeriod);
    // The score line, written only after a new game and after a click that scored.
    void showScore();
    void showGameOver();

    // The dialogs, each created on first use, transient for this window.
    HelpWindow &helpWindow();
    AboutWindow &aboutWindow();
    ScoreWindow &scoreWindow();
    // A finished game whose score makes the table as the file holds it then is offered to the
    // score window, once the keeper has read the file.
    void offerResult();
    void takeScoresAnswer(const ScoreKeeper::Answer &answer);

    Board m_board;
    TitleAnimation m_title;
    std::unique_ptr<HelpWindow> m_helpWindow;
    std::unique_ptr<AboutWindow> m_aboutWindow;
    ScoreKeeper *m_scores; // the best results; a child, which reads nothing before it is asked
    std::unique_ptr<ScoreWindow> m_scoreWindow;
    struct Offer {
        int score;
        QDateTime achieved;
    };
    std::optional<Offer> m_offer; // a finished game, until the keeper's read decides on it

    // Controls, valid from creation to the end of the program.
    std::array<Button *, Board::CellCount> m_cells{};
    std::array<Timer *, Board::CellCount> m_cellTimers{};
    Button *m_scoreWindowButton = nullptr; // below the client area, reached by the focus only
    Label *m_newGameCommand = nullptr;
    Label *m_scoreLine = nullptr;
    Label *m_helpCommand = nullptr;
    Label *m_aboutCommand = nullptr;
    Label *m_quitCommand = nullptr;
    Label *m_gameOverLabel = nullptr;
    Picture *m_backgroundPicture = nullptr;
    Picture *m_playPicture = nullptr; // over help and about while a game runs
    Timer *m_titleTimer = nullptr;
};
