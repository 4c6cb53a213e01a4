// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
// The real windows under a long stream of random input: mouse clicks and keys through the
// windows, as the window system delivers them, timer ticks, the dialogs opened and closed, and
// text of every kind typed into the name box. After every event the window must show a game
// that keeps the rules' invariants.
//
//   KALUDNIK_SOAK_SEED=<n>    the seed of the random input (printed at the start)
//   KALUDNIK_SOAK_EVENTS=<n>  events in the random run (default 100,000)
//
// The game's timers tick only when the run says so: their real ticks are held back, so that a
// seed repeats the whole run, ticks included, however busy the machine is.
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

    void randomInputKeepsTheGameSound();
    void eachDialogOpensAndClosesAThousandTimes();

private:
    // The first problem found since the last call: what the window shows breaks a rule.
    QString problem();
    QString brokenRule();
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
    QString m_problem;
    QStringList m_texts;
    RealTicksHeldBack m_realTicksHeldBack; // the run delivers every tick itself

    // What the run covered.
    qint64 m_gameOvers = 0; // of this program, each shown once
    qint64 m_soundedGameOvers = 0;
    bool m_overShown = false;
    bool m_pausedOnce = false; // a period may have been cut short by a pause
    qint64 m_allGameOvers = 0; // of every program of the run
    int m_bestScore = 0;
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
    m_allGameOvers += std::exchange(m_gameOvers, 0);
    m_soundedGameOvers = 0;
    m_overShown = false;
    m_pausedOnce = false;
}

void SoakTest::note(const QString &found)
{
    if (m_problem.isEmpty() && !found.isEmpty())
        m_problem = found;
}

QString SoakTest::problem()
{
    note(brokenRule());
    return std::exchange(m_problem, QString());
}

// Each cell live ("1" to "10", enabled, its timer running at a period of 50 to 1000 ms in steps
// of 50, or held while the game is paused; after a pause, once, what was left of a period) or
// dead ("X", disabled, its timer stopped at 0), or, before the first game, "10" and disabled;
// the play picture while a game runs, the game-over label once every cell is dead; the score a
// multiple of 10 up to 1710; one sound for each game over while the sound is on.
QString SoakTest::brokenRule()
{
    const bool running = !mainControl("playPicture")->isHidden();
    const bool over = !mainControl("gameOverLabel")->isHidden();
    const bool idle = !running && !over;
    const bool paused = !mainControl("pauseCover")->isHidden();
    m_pausedOnce = m_pausedOnce || paused;
    // Once the program is asked to end, its timers stop whatever the cells show.
    const bool ending = m_game->desktop.isEnding();
    int live = 0;
    for (int i = 0; i < Board::CellCount; ++i) {
        const QPushButton *button = mainControl<QPushButton>("cell", i);
        const QTimer *timer = gameTimer(main(), QStringLiteral("cellTimer%1").arg(i));
        const QString text = button->text();
        const int count = text.toInt();
        const int period = timer->interval();
        const bool dead =
            text == Cell::DeadCaption && !button->isEnabled() && period == 0 && !timer->isActive();
        const bool alive = count >= 1 && count <= 10 && text == QString::number(count) &&
                           button->isEnabled() && (ending || timer->isActive() != paused) &&
                           period <= 1000 &&
                           ((period >= 50 && period % 50 == 0) || (m_pausedOnce && period >= 0));
        const bool unplayed = text == Cell::FullCaption && !button->isEnabled() &&
                              !timer->isActive() && period == 1000;
        live += alive ? 1 : 0;
        if (!(idle ? unplayed : dead || alive))
            return QStringLiteral("cell %1: \"%2\", enabled %3, timer %4 ms, running %5")
                .arg(i)
                .arg(text)
                .arg(button->isEnabled())
                .arg(period)
                .arg(timer->isActive());
    }
    if (!idle && (running == over || (running ? live == 0 : live > 0)))
        return QStringLiteral("%1 live cells, play picture %2, game-over label %3")
            .arg(live)
            .arg(running)
            .arg(over);
    const QString line = mainControl<Label>("scoreLine")->text();
    const QString prefix = QCoreApplication::translate("Board", "S c o r e : ");
    const int score = line.mid(prefix.size()).toInt();
    if (idle ? line != MainWindow::tr("S c o r e : 0")
             : line != prefix + QString::number(score) || score % 10 != 0 || score > 1710)
        return QStringLiteral("score line \"%1\"").arg(line);
    m_bestScore = std::max(m_bestScore, score);
    if (over && !m_overShown) {
        ++m_gameOvers;
        m_soundedGameOvers += m_game->settings.sound() ? 1 : 0;
    }
    m_overShown = over;
    if (m_game->desktop.sounds != m_soundedGameOvers)
        return QStringLiteral("%1 sounds after %2 game overs with the sound on")
            .arg(m_game->desktop.sounds)
            .arg(m_soundedGameOvers);
    return {};
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
    QTimer *timer = gameTimer(main(), QStringLiteral("cellTimer%1").arg(index));
    if (timer->isActive())
        tick(timer);
}

void SoakTest::keyOnMain()
{
    static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 12> keys{{
        {Qt::Key_P, Qt::NoModifier},
        {Qt::Key_Pause, Qt::NoModifier},
        {Qt::Key_M, Qt::NoModifier},
        {Qt::Key_F1, Qt::NoModifier},
        {Qt::Key_H, Qt::ControlModifier},
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
    auto *closeCommand = control<Label>(&window, "closeCommand");
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
        clickIn(&window, control<QPushButton>(&window, "saveNameButton"));
        break;
    case 6: { // onto the close label and off it again
        const QPoint onLabel = closeCommand->mapTo(&window, pointIn(closeCommand));
        if (window.rect().contains(onLabel))
            QTest::mouseMove(window.windowHandle(), onLabel);
        QTest::mouseMove(window.windowHandle(), QPoint(below(window.width()), 2));
        break;
    }
    case 7:
        window.resize(50 + below(800), 50 + below(600));
        break;
    case 8:
        clickIn(&window, closeCommand);
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
        tick(gameTimer(main(), "titleTimer"));
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

void SoakTest::randomInputKeepsTheGameSound()
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

    const qint64 gameOvers = m_allGameOvers + m_gameOvers;
    qInfo("%lld events in %lld ms: %lld game overs, best score %d; %lld dialogs shown modally, "
          "%lld score windows, %lld long texts, %lld program ends",
          events, clock.elapsed(), gameOvers, m_bestScore, m_modalsOpened, m_scoreWindowsOpened,
          m_longTexts, m_programEnds);
    // The run went everywhere: games played to their end, every window opened, the program
    // ended and started again.
    QVERIFY(gameOvers > 0);
    QVERIFY(m_bestScore > 0);
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
            clickIn(opened, control<Label>(opened, "closeCommand"));
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
