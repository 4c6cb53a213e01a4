// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "../support/controls.h"
#include "../support/game.h"
#include "../support/heldticks.h"
#include "../support/modalcloser.h"
#include "aboutwindow.h"
#include "helpwindow.h"
#include "label.h"
#include "picture.h"
#include "recordplot.h"
#include "scorerow.h"
#include "scores/scorefile.h"
#include "scorewindow.h"

#include <QAccessible>
#include <QDir>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QLocale>
#include <QLockFile>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <limits>

using toolkit::Label;
using toolkit::Picture;

namespace {

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);

ScoreRow *row(const ScoreWindow &window, int index)
{
    return control<ScoreRow>(&window, QStringLiteral("scoreRow%1").arg(index));
}

// The name shown in a row of the score table.
QString scoreRow(const ScoreWindow &window, int index)
{
    return row(window, index)->columnText(ScoreRow::Name);
}

// The leftmost and rightmost columns of pixels that `image` draws in white within `area`.
std::pair<int, int> inkColumns(const QImage &image, const QRect &area)
{
    int left = std::numeric_limits<int>::max(), right = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

QColor textColor(const Label *label)
{
    return label->palette().color(QPalette::WindowText);
}

// What `widget` draws, in its own (logical) pixels whatever the screen's pixel ratio.
QImage drawnAtRatioOne(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    return image;
}

// Moves the pointer to a point on the screen that no window covers, so that the next move
// into a window is a real move and arrives there.
void parkPointer()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCursor::setPos(screen.bottomRight());
    QCoreApplication::processEvents();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsFitAndDoNotOverlap_data();
    void controlsFitAndDoNotOverlap();
    void cellTimersRunBehindModalDialogs_data();
    void cellTimersRunBehindModalDialogs();

    void helpTextsShowWhole();
    void helpSharesTheMainWindowPicture();

    void aboutTextsAreFixed();
    void aboutShowsItsOwnIcon();
    void aboutClicks_data();
    void aboutClicks();

    void scoreWindowTexts();
    void scoreWindowLeavesTheMainWindowUsable();
    void scoreWindowControlsKeepTheirPlacesWhenResized();
    void scoreWindowTabOrder();
    void closeCommandColour_data();
    void closeCommandColour();
    void aGameIsStoredAtOnceAndNamedAtLeisure();
    void everyWayOfClosingKeepsTheTypedName_data();
    void everyWayOfClosingKeepsTheTypedName();
    void theWindowSaysWhyAResultWasNotKept();
    void scoreTableLinesUpWhateverTheNames();
    void secondOpeningLeavesOneWindow();
    void dialogsStayWithTheMainWindowAndTakeItsKeys_data();
    void dialogsStayWithTheMainWindowAndTakeItsKeys();

private:
    // Opens the dialog as the user does and runs `check` while it is open; closes it afterwards.
    void whileOpen(const QString &dialog, const std::function<void(QDialog &)> &check);
    // Opens the score window by Space on the main window's hidden button and moves it clear of
    // the main window, so that pointer moves over it reach it.
    ScoreWindow &openScoreWindow();
    // Plays a game on the main window to its end by ticks, with `score` points.
    void endGameWithScore(int score);
    // The program started afresh, with the same score file.
    void restart();
    MainWindow *main() const { return &m_game->window; }
    QPushButton *scoreWindowButton() const
    {
        return control<QPushButton>(main(), "scoreWindowButton");
    }
    QString scorePath() const { return m_home.filePath(QStringLiteral("kaludnik/scores.json")); }
    // Runs `action` and waits for the score keeper's answer to the request it makes: the file
    // is read and written on the keeper's thread, and the windows show what it answers.
    bool answeredAfter(const std::function<void()> &action) const;

    TestProcess m_process;
    RealTicksHeldBack m_realTicksHeldBack; // every tick comes from the test
    QTemporaryDir m_home;                  // the score file's folder
    std::unique_ptr<TestGame> m_game;
};

void DialogsTest::init()
{
    QDir(m_home.path()).removeRecursively();
    restart();
}

void DialogsTest::cleanup()
{
    m_game.reset();
}

void DialogsTest::restart()
{
    m_game.reset();
    m_game = std::make_unique<TestGame>(scorePath());
    main()->move(0, 0);
    main()->show();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
}

void DialogsTest::whileOpen(const QString &dialog, const std::function<void(QDialog &)> &check)
{
    if (dialog == QLatin1String("score")) {
        ScoreWindow &score = openScoreWindow();
        check(score);
        score.close();
    } else {
        // Help and about by a click on their commands. During a game the play picture covers
        // most of them, so the click goes to the command itself.
        const bool help = dialog == QLatin1String("help");
        Label *command = control<Label>(main(), help ? "helpCommand" : "aboutCommand");
        QDialog *opened = nullptr;
        const auto whileModal = [&](QWidget *modal) {
            opened =
                help ? static_cast<QDialog *>(findWindow<HelpWindow>()) : findWindow<AboutWindow>();
            QCOMPARE(modal, static_cast<QWidget *>(opened));
            check(*opened);
        };
        const auto click = [&] { QTest::mouseClick(command, Qt::LeftButton); };
        QCOMPARE(modalWindowsOpenedBy(click, whileModal), 1);
        QVERIFY(opened && !opened->isVisible());
    }
}

void DialogsTest::endGameWithScore(int score)
{
    QTest::mouseClick(control<Label>(main(), "newGameCommand"), Qt::LeftButton);
    for (int click = 0; click < score / 10; ++click)
        QTest::mouseClick(control<QPushButton>(main(), QStringLiteral("cell%1").arg(click % 2)),
                          Qt::LeftButton);
    for (int i = 0; i < Board::CellCount; ++i) {
        const QPushButton *cell = control<QPushButton>(main(), QStringLiteral("cell%1").arg(i));
        while (cell->isEnabled())
            tick(gameTimer(main(), QStringLiteral("cellTimer%1").arg(i)));
    }
    QVERIFY(control<Label>(main(), "gameOverLabel")->isVisible());
}

bool DialogsTest::answeredAfter(const std::function<void()> &action) const
{
    QSignalSpy answers(&m_game->scores, &ScoreKeeper::answered);
    action();
    return !answers.isEmpty() || answers.wait(60000);
}

ScoreWindow &DialogsTest::openScoreWindow()
{
    if (!answeredAfter([this] { QTest::keyClick(scoreWindowButton(), Qt::Key_Space); }))
        qFatal("the score keeper did not answer the opening's read");
    ScoreWindow *score = findWindow<ScoreWindow>();
    if (!score || !score->isVisible())
        qFatal("Space on the hidden button did not open the score window");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    score->move(screen.right() - score->width() - 10, screen.bottom() - score->height() - 10);
    // The offscreen platform does not activate a window that is transient for another one, as
    // a window manager does; the test does it in its place.
    QApplication::setActiveWindow(score);
    if (!QTest::qWaitForWindowActive(score))
        qWarning("the score window did not become active");
    return *score;
}

void DialogsTest::controlsFitAndDoNotOverlap_data()
{
    // The one fixed box, if any, that the design lets reach past the window's edge.
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("overhanging");
    QTest::newRow("about") << QStringLiteral("about") << QStringLiteral("donationRequest");
    QTest::newRow("score") << QStringLiteral("score") << QString();
}

void DialogsTest::controlsFitAndDoNotOverlap()
{
    QFETCH(QString, dialog);
    QFETCH(QString, overhanging);
    // The score window at its fullest: a result to name, and the record's words and plot.
    QVERIFY(dialog != QLatin1String("score") || answeredAfter([this] { endGameWithScore(20); }));

    whileOpen(dialog, [&](QDialog &window) {
        QList<QWidget *> controls = window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        controls.removeIf([](const QWidget *control) { return control->isHidden(); });
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QString name = controls[i]->objectName();
            QVERIFY2(name == overhanging || window.rect().contains(controls[i]->geometry()),
                     qPrintable(name));
            for (qsizetype j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(name + QLatin1Char(' ') + controls[j]->objectName()));
        }
    });
}

void DialogsTest::cellTimersRunBehindModalDialogs_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("help") << "help";
    QTest::newRow("about") << "about";
}

void DialogsTest::cellTimersRunBehindModalDialogs()
{
    QFETCH(QString, dialog);
    QTest::mouseClick(control<Label>(main(), "newGameCommand"), Qt::LeftButton);
    QVERIFY(control<Picture>(main(), "playPicture")->isVisible());
    const QPushButton *cell = control<QPushButton>(main(), "cell4");
    QCOMPARE(cell->text(), QStringLiteral("10"));

    whileOpen(dialog, [&](QDialog &) {
        for (int i = 0; i < Board::CellCount; ++i)
            QVERIFY2(gameTimer(main(), QStringLiteral("cellTimer%1").arg(i))->isActive(),
                     qPrintable(QStringLiteral("cell timer %1").arg(i)));
        // A tick that comes while the dialog is open still counts its cell down.
        tick(gameTimer(main(), "cellTimer4"));
        QCOMPARE(cell->text(), QStringLiteral("9"));
    });
}

void DialogsTest::helpTextsShowWhole()
{
    whileOpen(QStringLiteral("help"), [&](QDialog &help) {
        const Label *rules = control<Label>(&help, "rulesText");
        const Label *wish = control<Label>(&help, "closingWish");
        QVERIFY(!rules->text().isEmpty());
        QVERIFY(!wish->text().isEmpty());
        // The closing wish stands below the rules, clear of their last line.
        const int rulesBottom = rules->y() + rules->heightForWidth(rules->width());
        QVERIFY2(rulesBottom <= wish->y(), qPrintable(QString::number(rulesBottom)));
        // The keys beside the rules, whole, and the window within its picture (600 × 400).
        const Label *keys = control<Label>(&help, "keysList");
        QVERIFY(keys->x() >= rules->geometry().right() && !keys->text().isEmpty());
        QVERIFY2(keys->y() + keys->heightForWidth(keys->width()) <= help.height() &&
                     help.width() <= 600 && help.height() <= 400,
                 qPrintable(keys->text()));
    });
}

void DialogsTest::helpSharesTheMainWindowPicture()
{
    whileOpen(QStringLiteral("help"), [&](QDialog &help) {
        const QPixmap picture = control<Picture>(main(), "backgroundPicture")->pixmap();
        const Picture *background = control<Picture>(&help, "backgroundPicture");
        QVERIFY(!picture.isNull());
        QCOMPARE(background->pixmap().cacheKey(), picture.cacheKey());
        QCOMPARE(background->pos(), QPoint(0, 0));
        QCOMPARE(background->size(), QSize(600, 400));

        // The picture's top-left part fills the window: no dark grey shows at its corners.
        const QImage shown = drawnAtRatioOne(help);
        const QRect client = help.rect();
        for (const QPoint corner :
             {client.topLeft(), client.topRight(), client.bottomLeft(), client.bottomRight()})
            QVERIFY(QColor(shown.pixel(corner)) != QColor(0x40, 0x40, 0x40));
    });
}

void DialogsTest::aboutTextsAreFixed()
{
    // The maker's own texts, the same in every language; only the title follows the language.
    whileOpen(QStringLiteral("about"), [&](QDialog &about) {
        QCOMPARE(control<Label>(&about, "programTitle")->text(), QStringLiteral("Ka ludnik"));
        const QString credit = control<Label>(&about, "authorCredit")->text();
        QVERIFY(credit.startsWith(QStringLiteral("Vytvořil ")));
        QVERIFY(credit.contains(QLatin1Char('@')));
        // The link shows the host alone, without scheme or path, in the look of the other texts.
        const Label *link = control<Label>(&about, "webLink");
        QCOMPARE(QUrl(QStringLiteral("https://") + link->text()).host(), link->text());
        QVERIFY(!link->text().contains(QLatin1Char('/')));
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(link->font().underline(), false);
        // The donation request wraps within its fixed box and shows in full.
        const Label *request = control<Label>(&about, "donationRequest");
        QVERIFY(!request->text().isEmpty());
        QVERIFY(request->heightForWidth(request->width()) <= request->height());
    });
}

void DialogsTest::aboutShowsItsOwnIcon()
{
    whileOpen(QStringLiteral("about"), [&](QDialog &about) {
        const QPixmap icon = control<Picture>(&about, "icon")->pixmap();
        QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(icon.toImage(), about.windowIcon().pixmap(QSize(32, 32)).toImage());
        // Docks and task switchers get the launcher drawings, not the 32 px one scaled.
        QCOMPARE(about.windowIcon().pixmap({256, 256}, 1).size(), QSize(256, 256));
    });
}

void DialogsTest::aboutClicks_data()
{
    QTest::addColumn<QString>("name"); // of the control clicked; none for the bare surface
    for (const char *name :
         {"webLink", "icon", "programTitle", "authorCredit", "rightsNotice", "donationRequest", ""})
        QTest::addRow("%s", *name ? name : "bare surface") << name;
}

void DialogsTest::aboutClicks()
{
    QFETCH(QString, name);

    // Two clicks: the link asks the desktop to open its address at each, the rest do nothing.
    QString host;
    whileOpen(QStringLiteral("about"), [&](QDialog &about) {
        host = control<Label>(&about, "webLink")->text();
        QWidget *target = name.isEmpty() ? &about : control<QWidget>(&about, name);
        const QPoint at = name.isEmpty() ? QPoint(about.width() - 4, 4) : QPoint();
        if (name.isEmpty())
            QVERIFY(!about.childAt(at));
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            // The window stays open and unchanged.
            QVERIFY(about.isVisible());
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(&about));
        }
    });
    const QList<QUrl> expected(name == QLatin1String("webLink") ? 2 : 0,
                               QUrl(QStringLiteral("https://") + host));
    QCOMPARE(m_game->desktop.openedAddresses, expected);
}

void DialogsTest::scoreWindowTexts()
{
    // An empty table: a dash in every place, the hint in the empty name box.
    ScoreWindow &score = openScoreWindow();
    const auto *nameBox = control<QLineEdit>(&score, "nameBox");
    QCOMPARE(nameBox->text(), QString());
    // Every text shows whole: the hint within the box the design draws.
    QVERIFY(!nameBox->placeholderText().isEmpty());
    QVERIFY2(nameBox->fontMetrics().horizontalAdvance(nameBox->placeholderText()) <
                 nameBox->width() - 8,
             qPrintable(nameBox->placeholderText()));
    const auto *saveNameButton = control<QPushButton>(&score, "saveNameButton");
    QCOMPARE(saveNameButton->text(), ScoreWindow::tr("Save name"));
    QVERIFY2(saveNameButton->sizeHint().width() <= saveNameButton->width(),
             qPrintable(saveNameButton->text()));
    for (int row = 0; row < ScoreWindow::Rows; ++row)
        QCOMPARE(scoreRow(score, row), ScoreWindow::tr("–"));
    QCOMPARE(control<Label>(&score, "messageLine")->text(), QString());
    QCOMPARE(control<Label>(&score, "recordLine")->text(), ScoreWindow::tr("No game counted yet."));
    QVERIFY(!control<RecordPlot>(&score, "recordPlot")->isVisible());
    // No finished game waits: the name box and its button are disabled, and store nothing.
    QVERIFY(!nameBox->isEnabled() && !control<QPushButton>(&score, "saveNameButton")->isEnabled());
    QTest::keyClicks(control<QLineEdit>(&score, "nameBox"), QStringLiteral("Honza"));
    QTest::mouseClick(control<QPushButton>(&score, "saveNameButton"), Qt::LeftButton);
    QCOMPARE(scoreRow(score, 0), ScoreWindow::tr("–"));
    QVERIFY(!QFile::exists(scorePath()));
    // The close command's text shows whole, and reads as a button.
    Label *closeCommand = control<Label>(&score, "closeCommand");
    QCOMPARE(closeCommand->text(), ScoreWindow::tr("Close"));
    QCOMPARE(QAccessible::queryAccessibleInterface(closeCommand)->role(), QAccessible::Button);
    const QFontMetrics metrics(closeCommand->font());
    const QRect ink = metrics.tightBoundingRect(closeCommand->text());
    QVERIFY2(ink.right() < closeCommand->width(), qPrintable(QString::number(ink.right())));
    QVERIFY2(metrics.ascent() + ink.bottom() < closeCommand->height(),
             qPrintable(QString::number(metrics.ascent() + ink.bottom())));
}

void DialogsTest::scoreWindowLeavesTheMainWindowUsable()
{
    ScoreWindow &score = openScoreWindow();
    // A click given to the main window as the window system delivers it, which holds back
    // clicks on a window behind a modal one.
    const Label *newGame = control<Label>(main(), "newGameCommand");
    QTest::mouseClick(main()->windowHandle(), Qt::LeftButton, {},
                      newGame->mapTo(main(), newGame->rect().center()));
    QVERIFY(control<Picture>(main(), "playPicture")->isVisible());
    QVERIFY(score.isVisible());
}

void DialogsTest::scoreWindowControlsKeepTheirPlacesWhenResized()
{
    ScoreWindow &score = openScoreWindow();
    const Label *closeCommand = control<Label>(&score, "closeCommand");
    const QPushButton *saveNameButton = control<QPushButton>(&score, "saveNameButton");
    const QRect closeCommandPlace = closeCommand->geometry();
    const QRect saveNameButtonPlace = saveNameButton->geometry();
    const QSize designed = score.size();
    score.resize(10, 10); // never smaller than designed
    QCOMPARE(score.size(), designed);
    score.resize(500, 320);
    QCOMPARE(score.size(), QSize(500, 320));
    QCOMPARE(closeCommand->geometry(), closeCommandPlace);
    QCOMPARE(saveNameButton->geometry(), saveNameButtonPlace);
}

void DialogsTest::scoreWindowTabOrder()
{
    QVERIFY(answeredAfter([this] { endGameWithScore(20); }));
    ScoreWindow &score = *findWindow<ScoreWindow>();
    QWidget *nameBox = control<QLineEdit>(&score, "nameBox");
    QWidget *saveNameButton = control<QPushButton>(&score, "saveNameButton");
    QWidget *closeCommand = control<Label>(&score, "closeCommand");
    nameBox->setFocus();
    // The focus goes round the box, the save button and the close command, which Space
    // presses; the other labels take none.
    for (QWidget *next : {saveNameButton, closeCommand, nameBox}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(closeCommand, Qt::Key_Space);
    QVERIFY(!score.isVisible());
}

void DialogsTest::closeCommandColour_data()
{
    // Where the pointer goes, one move after the other, and the close command's colour after
    // each.
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QList<QColor>>("colors");

    QTest::newRow("lit and put out by the bare surface")
        << QStringList{"closeCommand", "surface", "closeCommand"} << QList<QColor>{Red, White, Red};
    QTest::newRow("the other controls leave it as it is")
        << QStringList{"nameBox", "saveNameButton", "scoreRow0", "closeCommand",
                       "nameBox", "saveNameButton", "scoreRow2"}
        << QList<QColor>{White, White, White, Red, Red, Red, Red};
    QTest::newRow("out of the window and back over the surface")
        << QStringList{"closeCommand", "outside", "surface"} << QList<QColor>{Red, Red, White};
}

void DialogsTest::closeCommandColour()
{
    QFETCH(QStringList, path);
    QFETCH(QList<QColor>, colors);

    ScoreWindow &score = openScoreWindow();
    const Label *closeCommand = control<Label>(&score, "closeCommand");
    parkPointer();
    QCOMPARE(textColor(closeCommand), White);
    for (qsizetype step = 0; step < path.size(); ++step) {
        if (path[step] == QLatin1String("outside")) {
            parkPointer();
        } else if (path[step] == QLatin1String("surface")) {
            // Bare surface just above the close command.
            const QPoint bare = closeCommand->geometry().center() - QPoint(0, 20);
            QVERIFY(!score.childAt(bare));
            QTest::mouseMove(&score, bare);
        } else {
            QTest::mouseMove(control<QWidget>(&score, path[step]));
        }
        QVERIFY2(textColor(closeCommand) == colors[step],
                 qPrintable(path.mid(0, step + 1).join(QStringLiteral(", ")) +
                            QStringLiteral(": ") + textColor(closeCommand).name()));
    }
}

void DialogsTest::aGameIsStoredAtOnceAndNamedAtLeisure()
{
    QVERIFY(answeredAfter([this] { endGameWithScore(0); })); // nothing to store
    QVERIFY(!findWindow<ScoreWindow>() || !findWindow<ScoreWindow>()->isVisible());

    // Stored under the user's name before anything is asked; the window opens with the row
    // marked, says what happened, and has its name selected in the name box.
    const QString user = PlayerName::ofSystemUser();
    QVERIFY(answeredAfter([this] { endGameWithScore(20); }));
    ScoreFile file(scorePath());
    QVERIFY(file.load() == ScoreFile::Status::Ok && file.table().entries().value(0).name == user);
    ScoreWindow *score = findWindow<ScoreWindow>();
    QVERIFY(score && score->isVisible() && main()->isVisible()); // modeless
    auto *nameBox = control<QLineEdit>(score, "nameBox");
    QCOMPARE(scoreRow(*score, 0), user);
    QCOMPARE(row(*score, 0)->columnText(ScoreRow::Score), QStringLiteral("20"));
    QCOMPARE(row(*score, 0)->palette().color(QPalette::WindowText), Red);
    QCOMPARE(QAccessible::queryAccessibleInterface(row(*score, 0))->text(QAccessible::Description),
             ScoreWindow::tr("your new result"));
    QCOMPARE(
        control<Label>(score, "resultLine")->text(),
        ScoreWindow::tr("%1 points — %2").arg(QStringLiteral("20"), ScoreWindow::tr("1st place")));
    QCOMPARE(QAccessible::queryAccessibleInterface(nameBox)->text(QAccessible::Name),
             control<Label>(score, "nameLabel")->text());
    QCOMPARE(score->focusWidget(), nameBox);
    QCOMPARE(nameBox->selectedText(), user);
    // Both games counted, the last one marked on the plot.
    QVERIFY(control<Label>(score, "recordLine")
                ->text()
                .startsWith(ScoreWindow::tr("Games played: %1 · best: %2").arg("2", "20")));
    QCOMPARE(control<RecordPlot>(score, "recordPlot")->accessibleDescription(),
             RecordPlot::tr("%1 games, from %2 to %3 points; the last one %4 points")
                 .arg("2", "0", "20", "20"));
    // Keys of a player still playing type nothing: a grid key, until half a second has passed
    // without one, and a key held down across the game's end, until it is released.
    const auto key = [score](quint32 place, const QString &text, bool repeated) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, place, 0, 0, text,
                       repeated);
        QCoreApplication::sendEvent(score->windowHandle(), &down);
    };
    constexpr quint32 Keypad7 = 79, LetterA = 38;
    key(Keypad7, QStringLiteral("7"), false);
    key(LetterA, QStringLiteral("a"), true);
    QInputMethodEvent composed; // a dead key's, a compose sequence's, an input method's
    composed.setCommitString(QStringLiteral("éü"));
    QCoreApplication::sendEvent(nameBox, &composed);
    tick(score->findChild<QTimer *>(QStringLiteral("strayKeysTimer")));
    key(LetterA, QStringLiteral("a"), true);
    QCOMPARE(nameBox->selectedText(), user);
    key(Keypad7, QStringLiteral("7"), false);
    QCOMPARE(nameBox->text(), QStringLiteral("7"));
    // Typing replaces the name; Enter or the save button renames the row, as often as the
    // player likes; one that the file lost meanwhile is stored again.
    // A paste far past any name is cut, never inside a character.
    nameBox->insert(QLatin1Char('x') + QStringLiteral("😀").repeated(PlayerName::MaxTypedLength));
    QVERIFY(nameBox->text().isValidUtf16() && nameBox->text().size() < nameBox->maxLength());
    nameBox->selectAll();
    QTest::keyClicks(nameBox, QStringLiteral("  Eva "));
    QTest::sendKeyEvent(QTest::Click, nameBox, Qt::Key_unknown, QStringLiteral("😀 "), {});
    QVERIFY(answeredAfter(
        [&] { QTest::mouseClick(control<QPushButton>(score, "saveNameButton"), Qt::LeftButton); }));
    QCOMPARE(scoreRow(*score, 0), QStringLiteral("Eva 😀"));
    QCOMPARE(scoreRow(*score, 1), ScoreWindow::tr("–"));
    QVERIFY(QFile::remove(scorePath()));
    QVERIFY(answeredAfter([&] { QTest::keyClick(nameBox, Qt::Key_Return); }));
    QCOMPARE(control<Label>(score, "messageLine")->text(), QString());
    QVERIFY(file.load() == ScoreFile::Status::Ok && file.lastName() == QStringLiteral("Eva 😀") &&
            file.table().entries().value(0).name == file.lastName());
    score->close();

    // After a restart the table is read back; opened to look at it, no row is marked and
    // there is nothing to name. The next game is stored under the last name.
    restart();
    score = &openScoreWindow();
    nameBox = control<QLineEdit>(score, "nameBox");
    QCOMPARE(scoreRow(*score, 0), QStringLiteral("Eva 😀"));
    QCOMPARE(row(*score, 0)->palette().color(QPalette::WindowText), White);
    QVERIFY(!nameBox->isEnabled() && nameBox->text().isEmpty());
    QVERIFY(!control<QPushButton>(score, "saveNameButton")->isEnabled());
    score->close();
    QVERIFY(answeredAfter([this] { endGameWithScore(10); }));
    QCOMPARE(scoreRow(*score, 1), QStringLiteral("Eva 😀"));
    QCOMPARE(nameBox->selectedText(), QStringLiteral("Eva 😀"));

    // While another copy of the game holds the file, the result and its name wait in memory;
    // once the file is free, quitting writes them.
    QLockFile otherCopy(scorePath() + QStringLiteral(".lock"));
    QVERIFY(otherCopy.tryLock(0));
    QVERIFY(answeredAfter([this] { endGameWithScore(30); }));
    QTest::keyClicks(nameBox, QStringLiteral("Petr"));
    otherCopy.unlock();
    QTest::keyClick(score, Qt::Key_Q, Qt::ControlModifier);
    m_game.reset();
    QVERIFY(file.load() == ScoreFile::Status::Ok && file.lastName() == QLatin1String("Petr"));
}

void DialogsTest::everyWayOfClosingKeepsTheTypedName_data()
{
    QTest::addColumn<QString>("how");
    // Escape is QDialog's way to the same end as the close command; Ctrl+Q is the whole flow's
    // last step; a new game by click runs what Ctrl+N runs.
    for (const char *how : {"close command", "close box", "Ctrl+N"})
        QTest::newRow(how) << how;
}

void DialogsTest::everyWayOfClosingKeepsTheTypedName()
{
    QFETCH(QString, how);
    const bool newGame = how == QLatin1String("Ctrl+N");
    if (newGame) {
        // A new game before the answer: the result is stored all the same, no window opens.
        QVERIFY(answeredAfter([this] {
            endGameWithScore(30);
            QTest::mouseClick(control<Label>(main(), "newGameCommand"), Qt::LeftButton);
        }));
        QVERIFY(!findWindow<ScoreWindow>());
    }
    QVERIFY(answeredAfter([this] { endGameWithScore(30); }));
    ScoreWindow *score = findWindow<ScoreWindow>();
    QTest::keyClicks(control<QLineEdit>(score, "nameBox"), QStringLiteral("Honza")); // no Enter
    QVERIFY(answeredAfter([&] {
        if (how == QLatin1String("close command"))
            QTest::mouseClick(control<Label>(score, "closeCommand"), Qt::LeftButton);
        else if (how == QLatin1String("close box"))
            score->close();
        else
            QTest::keyClick(score, Qt::Key_N, Qt::ControlModifier);
    }));
    // A new game takes the keyboard back to the main window.
    QVERIFY(!score->isVisible());
    QVERIFY(!newGame || (control<Picture>(main(), "playPicture")->isVisible() &&
                         QApplication::activeWindow() == main()));
    ScoreFile file(scorePath());
    QCOMPARE(file.load(), ScoreFile::Status::Ok);
    QCOMPARE(file.table().entries().constLast().name, QStringLiteral("Honza"));
}

void DialogsTest::theWindowSaysWhyAResultWasNotKept()
{
    // A damaged file is set aside when the game over reads it.
    QVERIFY(QDir().mkpath(QFileInfo(scorePath()).path()));
    QFile damaged(scorePath());
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"version\": 1") > 0);
    damaged.close();
    QVERIFY(answeredAfter([this] { endGameWithScore(20); }));
    ScoreWindow *score = findWindow<ScoreWindow>();
    auto *nameBox = control<QLineEdit>(score, "nameBox");
    const Label *message = control<Label>(score, "messageLine");
    QCOMPARE(
        message->text(),
        ScoreWindow::tr("The score file was damaged; it was set aside and a new table begins."));
    // The whole message shows, on as many lines as it takes, inside the window, which the
    // window system may not make lower, under the line that says the game's place.
    const Label *result = control<Label>(score, "resultLine");
    QVERIFY(result->height() >= result->heightForWidth(result->width()) &&
            result->geometry().bottom() < message->y());
    QVERIFY(score->rect().contains(message->geometry()));
    QVERIFY(score->minimumHeight() > message->geometry().bottom());
    QVERIFY(message->height() >= message->heightForWidth(message->width()));
    // A name of nothing but invisible characters is no name.
    QTest::sendKeyEvent(QTest::Click, nameBox, Qt::Key_unknown, QStringLiteral("\u200B"), {});
    QTest::keyClick(nameBox, Qt::Key_Return);
    QCOMPARE(message->text(), ScoreWindow::tr("A result needs a name."));
    QTest::keyClicks(nameBox, QStringLiteral(" \t "));
    QTest::keyClick(nameBox, Qt::Key_Return);
    QCOMPARE(message->text(), ScoreWindow::tr("A result needs a name."));
    QCOMPARE(scoreRow(*score, 0), PlayerName::ofSystemUser());
    const int withMessage = score->height();

    // A folder where the lock should be: kept for this run, said so, tried again.
    const QString lock = scorePath() + QStringLiteral(".lock");
    QVERIFY(QDir().mkpath(lock));
    QTest::keyClicks(nameBox, QStringLiteral("Eva"));
    QVERIFY(answeredAfter([&] { QTest::keyClick(nameBox, Qt::Key_Return); }));
    QCOMPARE(message->text(),
             ScoreWindow::tr("The result could not be saved; Save name tries again."));
    QCOMPARE(scoreRow(*score, 0), QStringLiteral("Eva"));
    QVERIFY(QDir(lock).removeRecursively());
    QVERIFY(answeredAfter(
        [&] { QTest::mouseClick(control<QPushButton>(score, "saveNameButton"), Qt::LeftButton); }));
    QCOMPARE(message->text(), QString());
    QVERIFY(QFile::exists(scorePath()));
    // The window that grew for the message is as low as it may be again.
    QVERIFY(score->height() < withMessage && score->height() == score->minimumHeight());

    // Offered, then pushed out by better results that another copy of the game saved while the
    // player typed.
    QVERIFY(answeredAfter([this] { endGameWithScore(10); }));
    ScoreFile otherCopy(scorePath());
    for (int i = 0; i < ScoreTable::Size; ++i)
        otherCopy.add({QStringLiteral("P%1").arg(i), 100, QDateTime::currentDateTimeUtc(), {}},
                      "P");
    QTest::keyClicks(nameBox, QStringLiteral("Jana"));
    QVERIFY(answeredAfter([&] { QTest::keyClick(nameBox, Qt::Key_Return); }));
    QCOMPARE(
        message->text(),
        ScoreWindow::tr("Other games scored as high or higher meanwhile; this one did not fit."));
    QVERIFY(scoreRow(*score, 4) != QStringLiteral("Jana"));
    QVERIFY(otherCopy.load() == ScoreFile::Status::Ok &&
            otherCopy.lastName() == QLatin1String("P"));
}

void DialogsTest::scoreTableLinesUpWhateverTheNames()
{
    // Names of every length and script, and one that holds placeholders of its own; dates as
    // an Arabic locale writes them, marked right to left. Each row draws its four columns in
    // the same places, the window's order; each name shows as it is, once.
    const QStringList names{QStringLiteral("Eva"), QStringLiteral("%1 %2"),
                            QStringLiteral("שלום עולם"),
                            QStringLiteral("Žofie Nováková z Lobkowicz a Pernštejna"),
                            QStringLiteral("👩\u200D👩\u200D👧")};
    const QDateTime when(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    QWidget table;
    table.setStyleSheet(QStringLiteral("background: black; color: white"));
    table.resize(304, 24 * names.size());
    QList<ScoreRow *> rows;
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *scoreRow = new ScoreRow(int(i + 1), QLocale(QLocale::Arabic, QLocale::Egypt), &table);
        scoreRow->setGeometry(8, int(24 * i), 288, 13);
        const ScoreEntry entry{names[i], 10 * int(1 + 50 * i), when, {}};
        scoreRow->showEntry(&entry);
        rows.append(scoreRow);
        QVERIFY(scoreRow->text().contains(names[i])); // what a screen reader hears
        QCOMPARE(scoreRow->text().count(QStringLiteral("%1")), i == 1 ? 1 : 0);
    }
    QCOMPARE(rows[1]->columnText(ScoreRow::Name), QStringLiteral("%1 %2"));
    QVERIFY(rows[3]->columnText(ScoreRow::Name).endsWith(QChar(0x2026))); // elided
    table.show();
    const QImage drawn = drawnAtRatioOne(table);
    std::optional<int> scoreRight;
    for (const ScoreRow *scoreRow : rows) {
        const auto inColumn = [&](ScoreRow::Column column) {
            const QRect area = scoreRow->columnRect(column).translated(scoreRow->pos());
            const auto [left, right] = inkColumns(drawn, area);
            return left >= area.left() && right <= area.right() && right >= left;
        };
        for (ScoreRow::Column column :
             {ScoreRow::Rank, ScoreRow::Name, ScoreRow::Score, ScoreRow::Date})
            QVERIFY2(inColumn(column), qPrintable(scoreRow->text()));
        // The scores end at the same place: right-aligned.
        const QRect scoreArea = scoreRow->columnRect(ScoreRow::Score).translated(scoreRow->pos());
        const int right = inkColumns(drawn, scoreArea).second;
        QVERIFY(!scoreRight || qAbs(*scoreRight - right) <= 1);
        scoreRight = right;
    }
}

void DialogsTest::secondOpeningLeavesOneWindow()
{
    QVERIFY(answeredAfter([this] { endGameWithScore(20); }));
    ScoreWindow &score = *findWindow<ScoreWindow>();
    auto *nameBox = control<QLineEdit>(&score, "nameBox");
    nameBox->selectAll();
    QTest::keyClicks(nameBox, QStringLiteral("Honza"));
    QVERIFY(answeredAfter([this] { QTest::keyClick(scoreWindowButton(), Qt::Key_Space); }));

    int windows = 0;
    for (const QWidget *window : QApplication::topLevelWidgets())
        windows += qobject_cast<const ScoreWindow *>(window) ? 1 : 0;
    QCOMPARE(windows, 1);
    QVERIFY(score.isVisible());
    // Showing it again while it is open does not load it afresh, nor does the file's answer
    // replace what the player typed.
    QCOMPARE(control<QLineEdit>(&score, "nameBox")->text(), QStringLiteral("Honza"));
}

void DialogsTest::dialogsStayWithTheMainWindowAndTakeItsKeys_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QKeySequence>("key");
    for (const char *dialog : {"help", "about", "score"}) {
        for (const char *key : {"Esc", "Ctrl+N", "Ctrl+Q"})
            QTest::addRow("%s, %s", dialog, key) << dialog << QKeySequence(QLatin1String(key));
    }
}

void DialogsTest::dialogsStayWithTheMainWindowAndTakeItsKeys()
{
    QFETCH(QString, dialog);
    QFETCH(QKeySequence, key);
    const bool newGame = key == QKeySequence(Qt::CTRL | Qt::Key_N);
    const bool quit = key == QKeySequence(Qt::CTRL | Qt::Key_Q);
    whileOpen(dialog, [&](QDialog &window) {
        // What the window system is told to keep over the main window, and place with it.
        QVERIFY(window.windowHandle());
        QCOMPARE(window.windowHandle()->transientParent(), main()->windowHandle());
        // Escape closes it, and a new game, which gives the main window the keys; quitting
        // ends the program from it.
        QTest::keyClick(&window, key[0].key(), key[0].keyboardModifiers());
        QVERIFY(quit || !window.isVisible());
        QCOMPARE(control<Picture>(main(), "playPicture")->isVisible(), newGame);
        QVERIFY(!newGame || QTest::qWaitForWindowActive(main()));
        QCOMPARE(m_game->desktop.endRequests, quit ? QList<int>{0} : QList<int>{});
    });
    QVERIFY(main()->isVisible());
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
