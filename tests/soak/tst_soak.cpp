// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The real windows under a long stream of random input: mouse clicks and keys through the
// windows, as the window system delivers them, timer ticks, the dialogs opened and closed, and
// text of every kind typed into the name box. After every event the board must agree with a
// second account of the rules and keep its invariants, and the window must show the board.
//
//   KALUDNIK_SOAK_SEED=<n>    the seed of the random input (printed at the start)
//   KALUDNIK_SOAK_EVENTS=<n>  events in the random run (default 100,000)
//
// The game's timers tick only when the run says so: their real ticks are held back, so that a
// seed repeats the whole run, ticks included, however busy the machine is.
#include "../property/boardwatch.h"
#include "../support/controls.h"
#include "../support/game.h"
#include "../support/heldticks.h"
#include "../support/modalcloser.h"
#include "../support/runsettings.h"
#include "label.h"
#include "scorewindow.h"

#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <random>

using toolkit::Label;

namespace {

constexpr qint64 DefaultEvents = 100'000;
constexpr int DialogCycles = 1000;

// Deletes what waits for deletion, as the event loop would between two events.
void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Texts that have broken text boxes elsewhere: scripts that shape, combine and run right to
// left, characters outside the basic plane, broken surrogates, controls and invisible marks.
QStringList unusualTexts()
{
    QString zalgo = QStringLiteral("Z");
    for (int i = 0; i < 400; ++i)
        zalgo += QChar(char16_t(0x0300 + i % 0x70));
    return {
        QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy"),
        QStringLiteral("שלום עולם 123 مرحبا بالعالم abc"),
        QStringLiteral("\u202Eevil\u202C \u2067isolated\u2069 \u200F\u200E"),
        QStringLiteral("👩‍👩‍👧‍👦🇨🇿🇺🇳👍🏽1️⃣🏳️‍🌈"),
        QStringLiteral("𝕳𝖊𝖑𝖑𝖔 𓀀𓀁 漢字かなカナ한국어 क्षत्रज्ञ สวัสดี བོད་ཡིག"),
        QString(QChar(char16_t(0xD800))) + QStringLiteral("lone") + QChar(char16_t(0xDFFF)) +
            QChar(char16_t(0xDC00)) + QChar(char16_t(0xD800)),
        QStringLiteral("tab\tnew\nline\rreturn") + QChar(u'\0') + QStringLiteral("nul\x1b\u0085"),
        QStringLiteral("\u200B\u200C\u200D\uFEFF\u2060\u2028\u2029\u00AD"),
        QStringLiteral("\uFFFE\uFFFF\uE000\uFFFD") + QString::fromUcs4(U"\U0010FFFF\U000E0001"),
        zalgo,
    };
}

QtMessageHandler passOn = nullptr;

// Two remarks that say nothing about the game: the offscreen platform cannot raise a window, and
// scripts without a font here are drawn without shaping. Thousands of them would bury the rest.
void dropPlatformRemarks(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("This plugin does not support raise()")) ||
        text.contains(QLatin1String("OpenType support missing for")))
        return;
    passOn(type, context, text);
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    // The program starts afresh: a new main window, as after the end of the last run.
    void init();
    void cleanup();

    void randomInputKeepsTheBoardSound();
    void eachDialogOpensAndClosesAThousandTimes();

private:
    // Connects after the window's own handlers, so each step reaches the account after the board.
    void follow();
    // The first problem found since the last call: the board, its account or the window's view.
    QString problem();
    QString windowShowsTheBoard() const;
    qint64 gameOvers() const;
    void note(const QString &found);

    void randomEvent();
    void clickMain(QWidget *control);
    void clickIn(QWidget *window, QWidget *control);
    void keyOnMain();
    void openScoreWindow();
    void scoreWindowEvent(ScoreWindow &window);
    void typeUnusualText(QLineEdit *box);
    void whileModal(QWidget *modal);
    void tickRunningCell();

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    QPoint pointIn(const QWidget *control);
    // The main window's control `name`, or `name` followed by `index`.
    MainWindow *main() const { return &m_game->window; }
    template <typename T = QWidget> T *mainControl(const char *name, int index = -1) const
    {
        const QString number = index < 0 ? QString() : QString::number(index);
        return control<T>(main(), QLatin1String(name) + number);
    }

    quint64 m_seed = 0;
    std::mt19937_64 m_random;
    TestProcess m_process;
    QTemporaryDir m_home; // the score file's folder
    std::unique_ptr<TestGame> m_game;
    BoardWatch m_watch;
    qint64 m_gameOversAtStart = 0;
    QString m_problem;
    QStringList m_texts;
    RealTicksHeldBack m_realTicksHeldBack; // the run delivers every tick itself

    // What the run covered.
    qint64 m_modalsOpened = 0;
    qint64 m_scoreWindowsOpened = 0;
    qint64 m_programEnds = 0;
    qint64 m_longTexts = 0;

    int m_style = 0;
    int m_eventsInStyle = 0;
};

void SoakTest::initTestCase()
{
    m_seed = seedFromEnvironment("KALUDNIK_SOAK_SEED");
    m_random.seed(m_seed);
    m_texts = unusualTexts();
    passOn = qInstallMessageHandler(dropPlatformRemarks);
    qInfo("seed %llu (KALUDNIK_SOAK_SEED=%llu repeats this input)", m_seed, m_seed);
}

void SoakTest::cleanup()
{
    m_game.reset();
    runDeferredDeletes();
}

void SoakTest::init()
{
    cleanup();
    m_game = std::make_unique<TestGame>(m_home.filePath(QStringLiteral("scores.json")));
    main()->move(0, 0);
    main()->show();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
    m_watch.freshBoard();
    m_gameOversAtStart = gameOvers();
    follow();
}

void SoakTest::follow()
{
    const Board &board = m_game->board();
    for (int i = 0; i < Board::CellCount; ++i) {
        connect(mainControl<QPushButton>("cell", i), &QPushButton::clicked, this,
                [this, &board, i] { note(m_watch.sawClick(board, i)); });
        connect(mainControl<QTimer>("cellTimer", i), &QTimer::timeout, this,
                [this, &board, i] { note(m_watch.sawTick(board, i)); });
    }
    // The keys for a new game reach the same handler as its command.
    const auto sawNewGame = [this, &board] { note(m_watch.sawNewGame(board)); };
    connect(mainControl<Label>("newGameCommand"), &Label::clicked, this, sawNewGame);
    for (QShortcut *shortcut : main()->findChildren<QShortcut *>()) {
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_N))
            connect(shortcut, &QShortcut::activated, this, sawNewGame);
    }
}

void SoakTest::note(const QString &found)
{
    if (m_problem.isEmpty() && !found.isEmpty())
        m_problem = found + QStringLiteral("\nboard: ") + BoardWatch::describe(m_game->board());
}

QString SoakTest::problem()
{
    if (m_problem.isEmpty())
        note(m_watch.check(m_game->board()));
    if (m_problem.isEmpty())
        note(windowShowsTheBoard());
    return std::exchange(m_problem, QString());
}

QString SoakTest::windowShowsTheBoard() const
{
    const Board &board = m_game->board();
    // Once the program is asked to end, its timers may stop whatever the board says.
    const bool ending = m_game->desktop.isEnding();
    for (int i = 0; i < Board::CellCount; ++i) {
        const Cell &cell = board.cell(i);
        const QPushButton *button = mainControl<QPushButton>("cell", i);
        const QTimer *timer = mainControl<QTimer>("cellTimer", i);
        if (button->text() != cell.caption || button->isEnabled() != cell.enabled ||
            timer->interval() != cell.timerInterval ||
            (!ending && timer->isActive() != (cell.timerEnabled && cell.timerInterval > 0)))
            return QStringLiteral("cell %1 shows \"%2\"%3, timer %4 ms%5")
                .arg(i)
                .arg(button->text(), QLatin1String(button->isEnabled() ? "" : " disabled"))
                .arg(timer->interval())
                .arg(QLatin1String(timer->isActive() ? " running" : " stopped"));
    }
    if (mainControl("playPicture")->isHidden() == (board.phase() == GamePhase::Running))
        return QStringLiteral("the play picture does not follow the phase");
    if (mainControl("gameOverLabel")->isHidden() == (board.phase() == GamePhase::Over))
        return QStringLiteral("the game-over label does not follow the phase");
    const QString score =
        board.phase() == GamePhase::Idle ? MainWindow::tr("S c o r e : 0") : board.scoreText();
    if (const QString shown = mainControl<Label>("scoreLine")->text(); shown != score)
        return QStringLiteral("score line \"%1\", expected \"%2\"").arg(shown, score);
    // The title timer runs exactly while the title has more to show.
    const TitleAnimation &title = MainWindowProbe::title(*main());
    if (!ending && mainControl<QTimer>("titleTimer")->isActive() != title.hasMoreToShow())
        return QStringLiteral("the title timer runs%1 while the title has %2 to type")
            .arg(QLatin1String(mainControl<QTimer>("titleTimer")->isActive() ? "" : " not"),
                 QLatin1String(title.hasMoreToShow() ? "more" : "nothing"));
    if (m_game->desktop.sounds != gameOvers() - m_gameOversAtStart)
        return QStringLiteral("%1 beeps after %2 game overs")
            .arg(m_game->desktop.sounds)
            .arg(gameOvers() - m_gameOversAtStart);
    return {};
}

qint64 SoakTest::gameOvers() const
{
    return m_watch.tally().gameOversByTick + m_watch.tally().gameOversByClick;
}

QPoint SoakTest::pointIn(const QWidget *control)
{
    return {below(control->width()), below(control->height())};
}

// A click at a random point of `control`, given to its window: whatever lies on top there
// takes it, and a disabled button or a window behind a modal one takes none.
void SoakTest::clickIn(QWidget *window, QWidget *control)
{
    const QPoint at = control->mapTo(window, pointIn(control));
    if (window->rect().contains(at)) // a window made smaller may hide the control
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

void SoakTest::clickMain(QWidget *control)
{
    m_modalsOpened += modalWindowsOpenedBy([&] { clickIn(main(), control); },
                                           [&](QWidget *modal) { whileModal(modal); });
}

// Behind a modal window: the cell timers keep ticking, the main window takes no clicks, and
// the dialog's own controls respond.
void SoakTest::whileModal(QWidget *modal)
{
    for (int i = below(4); i > 0; --i) {
        switch (below(4)) {
        case 0:
            tickRunningCell();
            break;
        case 1:
            clickIn(main(), mainControl<QPushButton>("cell", below(Board::CellCount)));
            break;
        default: {
            const QList<QWidget *> controls = modal->findChildren<QWidget *>();
            if (!controls.isEmpty())
                clickIn(modal, controls[below(int(controls.size()))]);
        }
        }
    }
    for (const QUrl &url : std::as_const(m_game->desktop.openedAddresses)) {
        if (url != QUrl(QStringLiteral("https://kaludnik.example.org")))
            note(QStringLiteral("the about window opened %1").arg(url.toString()));
    }
    m_game->desktop.openedAddresses.clear();
}

void SoakTest::tickRunningCell()
{
    const int index = below(Board::CellCount);
    QTimer *timer = mainControl<QTimer>("cellTimer", index);
    if (timer->isActive())
        tick(timer);
}

void SoakTest::keyOnMain()
{
    static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 7> keys{{
        {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_N, Qt::ControlModifier},
        {Qt::Key_Escape, Qt::NoModifier},
    }};
    const auto &[key, modifiers] = keys[std::size_t(below(int(keys.size())))];
    m_modalsOpened +=
        modalWindowsOpenedBy([&] { QTest::keyClick(main()->windowHandle(), key, modifiers); },
                             [&](QWidget *modal) { whileModal(modal); });
}

// The hidden button is reached through the keyboard focus alone.
void SoakTest::openScoreWindow()
{
    mainControl("scoreWindowButton")->setFocus();
    QTest::keyClick(main()->windowHandle(), below(2) ? Qt::Key_Space : Qt::Key_Return);
    const ScoreWindow *window = findWindow<ScoreWindow>();
    if (!window || !window->isVisible())
        note(QStringLiteral("the hidden button did not open the score window"));
    ++m_scoreWindowsOpened;
}

void SoakTest::typeUnusualText(QLineEdit *box)
{
    QString text;
    switch (below(6)) {
    case 0: { // one of the known troublemakers, key by key; a pair of surrogates is one key
        const QString keys = m_texts[below(int(m_texts.size()))];
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const qsizetype length =
                keys[i].isHighSurrogate() && i + 1 < keys.size() && keys[i + 1].isLowSurrogate()
                    ? 2
                    : 1;
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, keys.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
        return;
    }
    case 1: { // random code points, surrogates and unassigned ones included
        for (int i = below(40); i >= 0; --i) {
            const char32_t point = char32_t(below(2) ? below(0x3000) : below(0x110000));
            text += QString::fromUcs4(&point, 1);
        }
        break;
    }
    case 2: // longer than the box takes
        text = m_texts[below(int(m_texts.size()))].repeated(40000 / 40);
        text.truncate(40000);
        ++m_longTexts;
        break;
    default:
        text = m_texts[below(int(m_texts.size()))];
    }
    if (below(2)) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
    } else {
        // As an input method delivers it: a preedit first, then the committed text.
        QInputMethodEvent preedit(text.left(8), {});
        QCoreApplication::sendEvent(box, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
    }
    if (box->text().size() > box->maxLength())
        note(QStringLiteral("the name box holds %1 characters").arg(box->text().size()));
}

void SoakTest::scoreWindowEvent(ScoreWindow &window)
{
    auto *nameBox = control<QLineEdit>(&window, "nameBox");
    auto *closeLabel = control<Label>(&window, "closeLabel");
    switch (below(10)) {
    case 0:
    case 1:
    case 2:
        typeUnusualText(nameBox);
        break;
    case 3: {
        static const std::array<Qt::Key, 7> editing{
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
            Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Tab};
        QTest::keyClick(nameBox, editing[std::size_t(below(int(editing.size())))],
                        below(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    }
    case 4:
        nameBox->selectAll();
        QTest::keyClick(nameBox, Qt::Key_Delete);
        break;
    case 5:
        clickIn(&window, control<QPushButton>(&window, "okButton"));
        break;
    case 6: { // onto the close label and off it again
        const QPoint onLabel = closeLabel->mapTo(&window, pointIn(closeLabel));
        if (window.rect().contains(onLabel))
            QTest::mouseMove(window.windowHandle(), onLabel);
        QTest::mouseMove(window.windowHandle(), QPoint(below(window.width()), 2));
        break;
    }
    case 7:
        window.resize(50 + below(800), 50 + below(600));
        break;
    case 8:
        clickIn(&window, closeLabel);
        break;
    default:
        window.close();
    }
}

void SoakTest::randomEvent()
{
    enum Kind {
        ScoreWindowInput, // into the score window, while it is open
        CellClick,        // a click on a cell button
        CellTick,         // a tick of a running cell timer
        TitleTick,        // a tick of the title timer
        NewGame,          // the new-game command
        Dialog,           // the help or the about command
        Anywhere,         // anywhere on the main window: pictures, score line, game-over label
        Key,              // a key on the main window
        OpenScoreWindow,  // the hidden button, through the keyboard focus
        EventLoop,        // the event loop comes round: deferred deletions run
        End,              // the program is asked to end
        KindCount
    };
    // Weights per thousand. A busy player keeps the game going; a lazy one lets it die of
    // neglect; a frantic one clicks cells to death and to the full score.
    using Weights = std::array<int, KindCount>;
    static const std::array<Weights, 3> styles{{
        {150, 450, 350, 30, 20, 50, 30, 45, 10, 14, 1},
        {150, 60, 800, 30, 2, 50, 20, 4, 10, 14, 1},
        {150, 780, 120, 10, 3, 50, 20, 4, 10, 14, 1},
    }};
    if (m_eventsInStyle-- <= 0) {
        m_style = below(int(styles.size()));
        m_eventsInStyle = 500 + below(3000);
    }
    const Weights &weights = styles[std::size_t(m_style)];
    ScoreWindow *scoreWindow = findWindow<ScoreWindow>();
    const bool scoreWindowOpen = scoreWindow && scoreWindow->isVisible();
    int total = 0;
    for (int kind = scoreWindowOpen ? 0 : 1; kind < KindCount; ++kind)
        total += weights[std::size_t(kind)];
    int draw = below(total);
    int kind = scoreWindowOpen ? 0 : 1;
    while (draw >= weights[std::size_t(kind)])
        draw -= weights[std::size_t(kind++)];

    switch (Kind(kind)) {
    case ScoreWindowInput:
        scoreWindowEvent(*scoreWindow);
        break;
    case CellClick:
        clickMain(mainControl<QPushButton>("cell", below(Board::CellCount)));
        break;
    case CellTick:
        tickRunningCell();
        break;
    case TitleTick:
        tick(mainControl<QTimer>("titleTimer"));
        break;
    case NewGame:
        clickMain(mainControl("newGameCommand"));
        break;
    case Dialog:
        clickMain(mainControl(below(2) ? "helpCommand" : "aboutCommand"));
        break;
    case Anywhere:
        clickMain(main());
        break;
    case Key:
        keyOnMain();
        break;
    case OpenScoreWindow:
        openScoreWindow();
        break;
    case EventLoop:
        runDeferredDeletes();
        break;
    case End:
    case KindCount:
        // The quit label may lie under the play picture's edge and take no click.
        switch (below(3)) {
        case 0:
            clickMain(mainControl("quitCommand"));
            break;
        case 1:
            QTest::keyClick(main()->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            break;
        default:
            main()->close();
        }
    }
}

void SoakTest::randomInputKeepsTheBoardSound()
{
    const qint64 events = countFromEnvironment("KALUDNIK_SOAK_EVENTS", DefaultEvents);
    QElapsedTimer clock;
    clock.start();
    for (qint64 event = 0; event < events; ++event) {
        randomEvent();
        const QString found = problem();
        if (!found.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("seed %1, event %2: %3").arg(m_seed).arg(event).arg(found)));
        if (m_game->desktop.isEnding()) {
            // Quitting and closing the main window ask the program to end, and nothing else.
            QCOMPARE(m_game->desktop.endRequests, QList<int>{0});
            QVERIFY(m_game->desktop.fatalErrors.isEmpty());
            ++m_programEnds;
            init();
        }
    }
    QVERIFY(m_game->desktop.fatalErrors.isEmpty());

    const BoardWatch::Tally &tally = m_watch.tally();
    qInfo("%lld events in %lld ms: %lld board steps, %lld new games, %lld scored, %lld ticks, "
          "%lld game overs; %lld dialogs shown modally, %lld score windows, %lld long texts, "
          "%lld program ends",
          events, clock.elapsed(), tally.steps, tally.newGames, tally.scored, tally.ticks,
          tally.gameOversByTick + tally.gameOversByClick, m_modalsOpened, m_scoreWindowsOpened,
          m_longTexts, m_programEnds);
    // The run went everywhere: games played to their end, every window opened, the program
    // ended and started again.
    QVERIFY(tally.newGames > 0);
    QVERIFY(tally.scored > 0);
    QVERIFY(tally.gameOversByTick + tally.gameOversByClick > 0);
    QVERIFY(m_modalsOpened > 0);
    QVERIFY(m_scoreWindowsOpened > 0);
    QVERIFY(m_longTexts > 0);
    QVERIFY(m_programEnds > 0);
}

// Every cycle leaves the windows as they were: no window, control or other object left behind.
void SoakTest::eachDialogOpensAndClosesAThousandTimes()
{
    // Each opens its dialog as the user does, closes it, and returns how many windows opened.
    QDialog *opened = nullptr; // by the last opening
    const auto byCommand = [&](const char *command) {
        return [&, command] {
            return modalWindowsOpenedBy(
                [&] { clickIn(main(), mainControl(command)); },
                [&](QWidget *modal) { opened = qobject_cast<QDialog *>(modal); });
        };
    };
    const auto byHiddenButton = [&] {
        openScoreWindow();
        opened = findWindow<ScoreWindow>();
        if (!opened || !opened->isVisible())
            return 0;
        if (below(2))
            clickIn(opened, control<Label>(opened, "closeLabel"));
        else
            opened->close();
        return 1;
    };
    const std::vector<std::pair<const char *, std::function<int()>>> dialogs{
        {"help", byCommand("helpCommand")},
        {"about", byCommand("aboutCommand")},
        {"score window", byHiddenButton}};

    for (const auto &[name, openAndClose] : dialogs) {
        // The first opening loads fonts and pictures that stay for the rest of the program.
        QCOMPARE(openAndClose(), 1);
        const QDialog *window = opened;
        QVERIFY2(window, name);
        runDeferredDeletes();
        const qsizetype widgets = QApplication::allWidgets().size();
        const qsizetype objects = window->findChildren<QObject *>().size();
        for (int cycle = 1; cycle < DialogCycles; ++cycle) {
            QCOMPARE(openAndClose(), 1);
            QCOMPARE(opened, window);
            QVERIFY2(!window->isVisible(), name);
            runDeferredDeletes();
            QCOMPARE(QApplication::allWidgets().size(), widgets);
            QCOMPARE(window->findChildren<QObject *>().size(), objects);
        }
        const QString found = problem();
        QVERIFY2(found.isEmpty(), qPrintable(found));
    }
    QVERIFY(!m_game->desktop.isEnding());
}

QTEST_MAIN(SoakTest)

#include "tst_soak.moc"
