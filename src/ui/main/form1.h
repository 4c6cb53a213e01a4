#pragma once

#include "board/board.h"
#include "ui/main/titleanimation.h"
#include "ui/toolkit/form.h"

#include <array>
#include <memory>

class Button;
class Label;
class Picture;
class Timer;
class Form2;
class Form3;
class Form4;

// The main window: the grid of cells on the right, the four text commands on the left over the
// background picture, the score line and the game-over label. It holds no game state of its
// own; its handlers call the board's rules and then show the board's state.
class Form1 : public Form {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    const Board &board() const { return m_board; }
    const TitleAnimation &titleAnimation() const { return m_title; }

    // The dialogs, each created on first use.
    Form2 &form2();
    Form3 &form3();
    Form4 &form4();

    // Controls, valid while the window is loaded (from creation to the end of the program).
    std::array<Button *, Board::CellCount> Command1{};
    std::array<Timer *, Board::CellCount> Timer1{};
    Button *Command2 = nullptr;
    Label *Label1 = nullptr;   // new game
    Label *Label2 = nullptr;   // score line
    Label *Label3 = nullptr;   // help
    Label *Label4 = nullptr;   // about
    Label *Label5 = nullptr;   // quit
    Label *Label6 = nullptr;   // game over
    Picture *Image1 = nullptr; // background picture
    Picture *Image2 = nullptr; // play picture, over help and about while a game runs
    Timer *Timer2 = nullptr;   // title timer

    // Event handlers.
    void Label1_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Command1_Click(int index);
    void Command2_Click();
    void Timer1_Timer(int index);
    void Timer2_Timer();

protected:
    void buildControls(QWidget *surface) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    // Shows cell `index` on its button and timer; `restartPeriod` starts its timer's period
    // afresh, as after a new game or an accepted click, which put the countdown back to "10".
    void showCell(int index, bool restartPeriod);
    // The score line, written only after a new game and after a click that scored.
    void showScore();
    void showGameOver();

    Board m_board;
    TitleAnimation m_title;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
    std::unique_ptr<Form4> m_form4;
};
