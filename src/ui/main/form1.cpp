#include "form1.h"

#include "accessibletexts.h"
#include "board/numbertext.h"
#include "pictures.h"
#include "text/stringtable.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/form4.h"
#include "ui/toolkit/button.h"
#include "ui/toolkit/colors.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/platform.h"
#include "ui/toolkit/timer.h"

#include <QGuiApplication>
#include <QShortcut>

namespace {

// Layout in twips.
constexpr float CellLeft = 5400, CellTop = 120, CellPitch = 1080, CellSize = 975;
constexpr int TitleTimerInterval = 100;

LabelStyle commandStyle()
{
    return {Fonts::design(Fonts::SansSerif, 13.5, true), Colors::White, true,
            Qt::AlignLeft | Qt::AlignTop};
}

} // namespace

Form1::Form1()
    : Form(Frame::FixedSingle, 8610, 5505, QGuiApplication::palette().color(QPalette::Button))
{
    setWindowTitle(QStringLiteral("Ka ludnik"));
    setWindowIcon(Pictures::applicationIcon());
    Load();

    // The usual desktop keys for a new game and for quitting; help and about have none, as
    // they are meant to be out of reach while a game runs.
    auto *newGame = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(newGame, &QShortcut::activated, this, &Form1::Label1_Click);
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &Form1::Label5_Click);
}

Form1::~Form1() = default;

Form2 &Form1::form2()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(*this);
    return *m_form2;
}

Form3 &Form1::form3()
{
    if (!m_form3)
        m_form3 = std::make_unique<Form3>();
    return *m_form3;
}

Form4 &Form1::form4()
{
    if (!m_form4)
        m_form4 = std::make_unique<Form4>();
    return *m_form4;
}

void Form1::buildControls(QWidget *surface)
{
    // Built from the back of the stacking order to the front; the buttons come last, in front.
    Image1 = new Picture(surface, -240, -480);
    Image1->setPicture(Picture::load(Pictures::Background, surface->devicePixelRatioF()));

    const LabelStyle command = commandStyle();
    Label1 = new Label(surface, QStringLiteral("Label1"), command, 2640, 2640, 1275, 360);
    Label2 = new Label(surface, QStringLiteral("Label2"),
                       {Fonts::design(Fonts::SansSerif, 9.75, true), Colors::White, true,
                        Qt::AlignLeft | Qt::AlignTop},
                       5400, 3360, 1230, 240);
    Label3 = new Label(surface, QStringLiteral("Label3"), command, 2640, 3120, 1440, 360);
    Label4 = new Label(surface, QStringLiteral("Label4"), command, 2640, 3600, 825, 360);
    Label5 = new Label(surface, QStringLiteral("Label5"), command, 2640, 4080, 915, 360);
    Label6 =
        new Label(surface, QStringLiteral("Label6"),
                  {Fonts::design(Fonts::Comic, 27.75, true), Colors::Red, true, Qt::AlignCenter},
                  5520, 3840, 2745, 765);
    Label6->hide();

    Image2 = new Picture(surface, 2520, 3000);
    Image2->setPicture(Picture::load(Pictures::Play, surface->devicePixelRatioF()));
    Image2->hide();

    const QFont cellFont = Fonts::design(Fonts::SansSerif, 17.25, true);
    for (int i = 0; i < Board::CellCount; ++i) {
        Command1[i] = new Button(surface, i, QStringLiteral("10"), CellLeft + CellPitch * (i % 3),
                                 CellTop + CellPitch * (i / 3), CellSize, CellSize);
        Command1[i]->setFont(cellFont);
        Command1[i]->setAccessibleName(AccessibleTexts::cell(i / 3 + 1, i % 3 + 1));
        Command1[i]->setAccessibleDescription(AccessibleTexts::cellCount(Command1[i]->text()));
        Command1[i]->setEnabled(false);
        connect(Command1[i], &Button::clickedAt, this, &Form1::Command1_Click);

        Timer1[i] = new Timer(surface, i, 1000, false);
        connect(Timer1[i], &Timer::tick, this, &Form1::Timer1_Timer);
    }
    Command2 = new Button(surface, 0, QStringLiteral("Command2"), 120, 5640, 2295, 495);
    connect(Command2, &Button::clicked, this, &Form1::Command2_Click);
    for (int i = 1; i < Board::CellCount; ++i)
        setTabOrder(Command1[i - 1], Command1[i]);
    setTabOrder(Command1[Board::CellCount - 1], Command2);

    Timer2 = new Timer(surface, 0, TitleTimerInterval, true);
    connect(Timer2, &Timer::tick, this, &Form1::Timer2_Timer);

    for (Label *command : {Label1, Label3, Label4, Label5})
        command->setActsAsButton(true);
    Label2->setAccessibleName(AccessibleTexts::score());
    Label2->setAccessibleDescription(QStringLiteral("0"));

    connect(Label1, &Label::clicked, this, &Form1::Label1_Click);
    connect(Label3, &Label::clicked, this, &Form1::Label3_Click);
    connect(Label4, &Label::clicked, this, &Form1::Label4_Click);
    connect(Label5, &Label::clicked, this, &Form1::Label5_Click);
}

void Form1::Form_Load()
{
    m_title.Arm();
    Label1->setCaption(LoadText(1001));
    Label2->setCaption(LoadText(1012));
    Label3->setCaption(LoadText(1002));
    Label4->setCaption(LoadText(1003));
    Label5->setCaption(LoadText(1004));
    Label6->setCaption(LoadText(1005));
    // The cells are disabled, so the hidden Command2 is the one control that takes the focus.
    Command2->setFocus();
}

void Form1::Form_Unload()
{
    Platform::current().endProgram(0);
}

void Form1::Label1_Click()
{
    m_board.NewGame();
    for (int i = 0; i < Board::CellCount; ++i)
        showCell(i, true);
    Image2->show();
    showScore();
    Label6->hide();
    m_title.Arm();
}

void Form1::Label3_Click()
{
    form2().ShowModal();
}

void Form1::Label4_Click()
{
    form3().ShowModal();
}

void Form1::Label5_Click()
{
    Platform::current().endProgram(0);
}

void Form1::Command1_Click(int index)
{
    const ClickResult result = m_board.ClickCell(qint16(index));
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

void Form1::Command2_Click()
{
    form4().ShowModeless();
}

void Form1::Timer1_Timer(int index)
{
    const bool gameOver = m_board.TickCell(qint16(index));
    showCell(index, false);
    if (gameOver)
        showGameOver();
}

void Form1::Timer2_Timer()
{
    if (const std::optional<QString> title = m_title.NextTitle())
        setWindowTitle(*title);
}

void Form1::showCell(int index, bool restartPeriod)
{
    const Cell &cell = m_board.cell(index);
    Timer *timer = Timer1.at(std::size_t(index));
    timer->setInterval(cell.timerInterval);
    timer->setEnabled(cell.timerEnabled);
    if (restartPeriod)
        timer->restart();
    Button *button = Command1.at(std::size_t(index));
    button->setText(cell.caption);
    button->setEnabled(cell.enabled);
    button->setAccessibleDescription(AccessibleTexts::cellCount(cell.caption));
}

void Form1::showScore()
{
    Label2->setCaption(m_board.ScoreText());
    Label2->setAccessibleDescription(NumberText::fromSingle(m_board.score()));
}

void Form1::showGameOver()
{
    Label6->show();
    Image2->hide();
    Platform::current().beep();
    Platform::current().announce(Label6);
}
