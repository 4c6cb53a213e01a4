#include "mainwindow.h"

#include "aboutwindow.h"
#include "appinfo.h"
#include "board/numbertext.h"
#include "button.h"
#include "colors.h"
#include "fonts.h"
#include "handlers.h"
#include "helpwindow.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "platform.h"
#include "scorewindow.h"
#include "text/stringtable.h"
#include "timer.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPixmapCache>
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

Label *commandLabel(QWidget *surface, const char *name, float top, float width)
{
    auto *label = new Label(surface, QString(), commandStyle(), 2640, top, width, 360);
    label->setObjectName(QLatin1String(name));
    label->setActsAsButton(true);
    return label;
}

// What a screen reader says of a cell's count: the number, or that the cell is dead.
QString spokenCount(const QString &caption)
{
    return caption == Cell::DeadCaption ? loadText(TextId::DeadCell) : caption;
}

} // namespace

MainWindow::MainWindow()
    : Window(Frame::FixedSingle, 8610, 5505, QGuiApplication::palette().color(QPalette::Button)),
      m_scores(new ScoreKeeper(ScoreFile::defaultPath(), ScoreKeeper::LockWait, this))
{
    m_scores->setObjectName(QStringLiteral("scoreKeeper"));
    Handlers::connect(m_scores, &ScoreKeeper::answered, this, &MainWindow::takeScoresAnswer);
    setWindowTitle(QString::fromUtf8(AppInfo::DisplayName));
    setWindowIcon(Pictures::applicationIcon());
    load();

    // The usual desktop keys for a new game and for quitting; help and about have none, as
    // they are meant to be out of reach while a game runs.
    auto *newGame = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    Handlers::connect(newGame, &QShortcut::activated, this, &MainWindow::startNewGame);
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    Handlers::connect(quit, &QShortcut::activated, this, &MainWindow::quit);
}

MainWindow::~MainWindow() = default;

HelpWindow &MainWindow::helpWindow()
{
    if (!m_helpWindow)
        m_helpWindow = std::make_unique<HelpWindow>(this);
    return *m_helpWindow;
}

AboutWindow &MainWindow::aboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<AboutWindow>(this);
    return *m_aboutWindow;
}

ScoreWindow &MainWindow::scoreWindow()
{
    if (!m_scoreWindow)
        m_scoreWindow = std::make_unique<ScoreWindow>(*m_scores, this);
    return *m_scoreWindow;
}

void MainWindow::buildControls(QWidget *surface)
{
    // Built from the back of the stacking order to the front; the buttons come last, in front.
    m_backgroundPicture = new Picture(surface, -240, -480);
    m_backgroundPicture->setObjectName(QStringLiteral("backgroundPicture"));
    m_backgroundPicture->setPicture(Pictures::background(surface->devicePixelRatioF()));

    m_newGameCommand = commandLabel(surface, "newGameCommand", 2640, 1275);
    m_scoreLine = new Label(surface, QString(),
                            {Fonts::design(Fonts::SansSerif, 9.75, true), Colors::White, true,
                             Qt::AlignLeft | Qt::AlignTop},
                            5400, 3360, 1230, 240);
    m_scoreLine->setObjectName(QStringLiteral("scoreLine"));
    m_helpCommand = commandLabel(surface, "helpCommand", 3120, 1440);
    m_aboutCommand = commandLabel(surface, "aboutCommand", 3600, 825);
    m_quitCommand = commandLabel(surface, "quitCommand", 4080, 915);
    m_gameOverLabel =
        new Label(surface, QString(),
                  {Fonts::design(Fonts::Comic, 27.75, true), Colors::Red, true, Qt::AlignCenter},
                  5520, 3840, 2745, 765);
    m_gameOverLabel->setObjectName(QStringLiteral("gameOverLabel"));
    m_gameOverLabel->hide();

    m_playPicture = new Picture(surface, 2520, 3000);
    m_playPicture->setObjectName(QStringLiteral("playPicture"));
    // Hidden until a game starts: decoded then, not on the way to the first frame.
    const qreal ratio = surface->devicePixelRatioF();
    m_playPicture->setPictureOnShow([ratio] { return Pictures::play(ratio); });
    m_playPicture->hide();

    const QFont cellFont = Fonts::design(Fonts::SansSerif, 17.25, true);
    for (int i = 0; i < Board::CellCount; ++i) {
        Button *cell =
            new Button(surface, i, QString(Cell::FullCaption), CellLeft + CellPitch * float(i % 3),
                       CellTop + CellPitch * float(i / 3), CellSize, CellSize);
        cell->setObjectName(QStringLiteral("cell%1").arg(i));
        cell->setFont(cellFont);
        cell->setAccessibleName(loadText(TextId::CellName).arg(i / 3 + 1).arg(i % 3 + 1));
        cell->setAccessibleDescription(spokenCount(cell->text()));
        cell->setEnabled(false);
        Handlers::connect(cell, &Button::indexClicked, this, &MainWindow::clickCell);
        m_cells[std::size_t(i)] = cell;

        Timer *timer = new Timer(surface, i, 1000, false);
        timer->setObjectName(QStringLiteral("cellTimer%1").arg(i));
        Handlers::connect(timer, &Timer::tick, this, &MainWindow::tickCell);
        m_cellTimers[std::size_t(i)] = timer;
    }
    m_scoreWindowButton = new Button(surface, 0, QStringLiteral("Command2"), 120, 5640, 2295, 495);
    m_scoreWindowButton->setObjectName(QStringLiteral("scoreWindowButton"));
    m_scoreWindowButton->setAccessibleName(loadText(TextId::OpenScoreTable));
    Handlers::connect(m_scoreWindowButton, &Button::clicked, this, &MainWindow::openScoreWindow);
    for (int i = 1; i < Board::CellCount; ++i)
        setTabOrder(m_cells[std::size_t(i - 1)], m_cells[std::size_t(i)]);
    setTabOrder(m_cells.back(), m_scoreWindowButton);

    // Started by armTitle(): a timer ticking over a finished title would wake the program ten
    // times a second for nothing.
    m_titleTimer = new Timer(surface, 0, TitleTimerInterval, false);
    m_titleTimer->setObjectName(QStringLiteral("titleTimer"));
    Handlers::connect(m_titleTimer, &Timer::tick, this, &MainWindow::tickTitle);

    m_scoreLine->setAccessibleName(loadText(TextId::ScoreName));
    m_scoreLine->setAccessibleDescription(NumberText::fromSingle(m_board.score()));

    Handlers::connect(m_newGameCommand, &Label::clicked, this, &MainWindow::startNewGame);
    Handlers::connect(m_helpCommand, &Label::clicked, this, &MainWindow::openHelp);
    Handlers::connect(m_aboutCommand, &Label::clicked, this, &MainWindow::openAbout);
    Handlers::connect(m_quitCommand, &Label::clicked, this, &MainWindow::quit);
}

void MainWindow::onLoad()
{
    armTitle();
    m_newGameCommand->setCaption(loadText(TextId::NewGame));
    m_scoreLine->setCaption(loadText(TextId::ScoreAtStart));
    m_helpCommand->setCaption(loadText(TextId::Help));
    m_aboutCommand->setCaption(loadText(TextId::About));
    m_quitCommand->setCaption(loadText(TextId::Quit));
    m_gameOverLabel->setCaption(loadText(TextId::GameOver));
    // The cells are disabled, so the hidden button is the one control that takes the focus.
    m_scoreWindowButton->setFocus();
}

void MainWindow::onClose()
{
    Platform::current().endProgram(0);
}

void MainWindow::startNewGame()
{
    // The finished game is no longer the last one.
    m_offer.reset();
    if (m_scoreWindow)
        m_scoreWindow->withdrawOffer();
    m_board.newGame();
    for (int i = 0; i < Board::CellCount; ++i)
        showCell(i, true);
    m_playPicture->show();
    showScore();
    m_gameOverLabel->hide();
    armTitle();
}

void MainWindow::openHelp()
{
    helpWindow().showModal();
}

void MainWindow::openAbout()
{
    aboutWindow().showModal();
}

void MainWindow::openScoreWindow()
{
    m_scores->read(); // what other copies of the game saved meanwhile
    scoreWindow().showModeless();
}

void MainWindow::quit()
{
    Platform::current().endProgram(0);
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

void MainWindow::tickCell(int index)
{
    const bool gameOver = m_board.tick(qint16(index));
    showCell(index, false);
    if (gameOver)
        showGameOver();
}

void MainWindow::tickTitle()
{
    if (const std::optional<QString> title = m_title.nextTitle())
        setTitle(*title);
    if (m_title.hasMoreToShow())
        return;
    m_titleTimer->setEnabled(false);
    // Nothing moves from here until the player acts. Qt's pixmap cache, filled by the first
    // paintings (the icon, the style's buttons), would wake the program once more 30 s on to
    // age its drawings; letting them go now costs one redrawing at the next paint.
    if (m_board.phase() != GamePhase::Running)
        QPixmapCache::clear();
}

void MainWindow::armTitle()
{
    m_title.arm();
    // Already running while typing: the period goes on, so the frames stay 100 ms apart.
    m_titleTimer->setEnabled(true);
}

void MainWindow::showCell(int index, bool restartPeriod)
{
    const Cell &cell = m_board.cell(index);
    Timer *timer = m_cellTimers[std::size_t(index)];
    timer->setInterval(cell.timerInterval);
    timer->setEnabled(cell.timerEnabled);
    if (restartPeriod)
        timer->restart();
    Button *button = m_cells[std::size_t(index)];
    button->setText(cell.caption);
    button->setEnabled(cell.enabled);
    button->setAccessibleDescription(spokenCount(cell.caption));
}

void MainWindow::showScore()
{
    m_scoreLine->setCaption(m_board.scoreText());
    m_scoreLine->setAccessibleDescription(NumberText::fromSingle(m_board.score()));
}

void MainWindow::showGameOver()
{
    m_gameOverLabel->show();
    m_playPicture->hide();
    Platform::current().beep();
    Platform::current().announce(m_gameOverLabel);
    offerResult();
}

void MainWindow::offerResult()
{
    // Decided on the file as it is now, not as it was read long before: another copy of the
    // game may have filled the table meanwhile.
    m_offer = Offer{int(m_board.score()), QDateTime::currentDateTimeUtc()};
    m_scores->read();
}

void MainWindow::takeScoresAnswer(const ScoreKeeper::Answer &answer)
{
    if (answer.request != ScoreKeeper::Request::Read || !m_offer)
        return;
    const Offer offer = *std::exchange(m_offer, std::nullopt);
    if (answer.table.qualifies(offer.score))
        scoreWindow().offer(offer.score, offer.achieved);
}
