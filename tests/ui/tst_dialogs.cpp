#include "../support/controls.h"
#include "../support/heldticks.h"
#include "../support/modalcloser.h"
#include "../support/recordingplatform.h"
#include "aboutwindow.h"
#include "button.h"
#include "helpwindow.h"
#include "label.h"
#include "mainwindow.h"
#include "picture.h"
#include "scores/scorefile.h"
#include "scores/scorekeeper.h"
#include "scorewindow.h"
#include "text/stringtable.h"
#include "timer.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);

QColor buttonText()
{
    return QGuiApplication::palette().color(QPalette::ButtonText);
}

QString scoreRow(const ScoreWindow &window, int row)
{
    return control<Label>(&window, QStringLiteral("scoreRow%1").arg(row))->caption();
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) >= 240 && qGreen(pixel) >= 240 && qBlue(pixel) >= 240;
}

// Pixels that the rim copy standing `offset` pixels away from the rules text darkens: dark with
// the copy, clearly lighter without it, and next to a white letter pixel of the rules text.
int rimPixels(const QImage &withCopy, const QImage &withoutCopy, const QRect &area, QPoint offset)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb with = withCopy.pixel(x, y);
            const QRgb without = withoutCopy.pixel(x, y);
            if (qGray(with) < 80 && qGray(without) - qGray(with) > 60 &&
                isWhite(withCopy.pixel(x - offset.x(), y - offset.y())))
                ++count;
        }
    }
    return count;
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

    void windowsAsDesigned_data();
    void windowsAsDesigned();
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void controlsFitAndDoNotOverlap_data();
    void controlsFitAndDoNotOverlap();
    void cellTimersRunBehindModalDialogs_data();
    void cellTimersRunBehindModalDialogs();

    void helpTextsFollowTheLanguage();
    void helpRimCopiesStandAroundTheRules_data();
    void helpRimCopiesStandAroundTheRules();
    void helpRimShowsOnAllFourDiagonals();
    void helpSharesTheMainWindowPicture();

    void aboutTextsAreFixed();
    void aboutShowsItsOwnIcon();
    void aboutClicks_data();
    void aboutClicks();

    void scoreWindowTexts();
    void scoreWindowLeavesTheMainWindowUsable();
    void scoreWindowControlsKeepTheirPlacesWhenResized();
    void scoreWindowTabOrder();
    void closeLabelColour_data();
    void closeLabelColour();
    void aQualifyingGameIsOfferedAndStoredOnce();
    void aNewGameOrClosingDropsTheOffer_data();
    void aNewGameOrClosingDropsTheOffer();
    void theWindowSaysWhyAResultWasNotKept();
    void secondOpeningLeavesOneWindow();
    void theScoreWindowGoesWithTheMainWindow();
    void dialogsStayWithTheMainWindowAndCloseOnEscape_data();
    void dialogsStayWithTheMainWindowAndCloseOnEscape();

private:
    // Opens the dialog as the user does and runs `check` while it is open; closes it afterwards.
    void whileOpen(const QString &dialog, const std::function<void(Window &)> &check);
    // Opens the score window by Space on the main window's hidden button and moves it clear of
    // the main window, so that pointer moves over it reach it.
    ScoreWindow &openScoreWindow();
    // Plays a game on the main window to its end by ticks, with `score` points.
    void endGameWithScore(int score);
    Button *scoreWindowButton() const { return control<Button>(m_main.get(), "scoreWindowButton"); }
    // Runs `action` and waits for the score keeper's answer to the request it makes: the file
    // is read and written on the keeper's thread, and the windows show what it answers.
    bool answeredAfter(const std::function<void()> &action) const;

    RealTicksHeldBack m_realTicksHeldBack; // every tick comes from the test
    std::unique_ptr<QTemporaryDir> m_home; // the score file's folder
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<MainWindow> m_main;
};

void DialogsTest::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->path()));
    m_platform = std::make_unique<RecordingPlatform>();
    m_main = std::make_unique<MainWindow>();
    m_main->move(0, 0);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void DialogsTest::cleanup()
{
    m_main.reset();
    m_platform.reset();
    m_home.reset();
}

void DialogsTest::whileOpen(const QString &dialog, const std::function<void(Window &)> &check)
{
    if (dialog == QLatin1String("score")) {
        ScoreWindow &score = openScoreWindow();
        check(score);
        score.close();
    } else {
        // Help and about by a click on their commands. During a game the play picture covers
        // most of them, so the click goes to the command itself.
        const bool help = dialog == QLatin1String("help");
        Label *command = control<Label>(m_main.get(), help ? "helpCommand" : "aboutCommand");
        Window *opened = nullptr;
        const auto whileModal = [&](QWidget *modal) {
            opened =
                help ? static_cast<Window *>(findWindow<HelpWindow>()) : findWindow<AboutWindow>();
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
    QTest::mouseClick(control<Label>(m_main.get(), "newGameCommand"), Qt::LeftButton);
    for (int click = 0; click < score / 10; ++click)
        QTest::mouseClick(control<Button>(m_main.get(), QStringLiteral("cell%1").arg(click % 2)),
                          Qt::LeftButton);
    for (int i = 0; i < Board::CellCount; ++i) {
        const Button *cell = control<Button>(m_main.get(), QStringLiteral("cell%1").arg(i));
        while (cell->isEnabled())
            Q_EMIT control<Timer>(m_main.get(), QStringLiteral("cellTimer%1").arg(i))->tick(i);
    }
    QCOMPARE(m_main->board().phase(), GamePhase::Over);
}

bool DialogsTest::answeredAfter(const std::function<void()> &action) const
{
    QSignalSpy answers(m_main->findChild<ScoreKeeper *>(), &ScoreKeeper::answered);
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

void DialogsTest::windowsAsDesigned_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Qt::WindowType>("type");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<Qt::WindowModality>("modality");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("appIcon");

    QTest::newRow("help") << "help" << loadText(TextId::Help) << Qt::Tool << false
                          << Qt::ApplicationModal << QSize(354, 381) << QColor(0x40, 0x40, 0x40)
                          << true;
    QTest::newRow("about") << "about" << loadText(TextId::About) << Qt::Tool << false
                           << Qt::ApplicationModal << QSize(306, 166) << QColor(Qt::black) << true;
    QTest::newRow("score") << "score" << loadText(TextId::ScoreTitle) << Qt::Dialog << true
                           << Qt::NonModal << QSize(304, 170) << QColor(Qt::black) << false;
}

void DialogsTest::windowsAsDesigned()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(Qt::WindowType, type);
    QFETCH(bool, resizable);
    QFETCH(Qt::WindowModality, modality);
    QFETCH(QSize, client);
    QFETCH(QColor, background);
    QFETCH(bool, appIcon);

    whileOpen(dialog, [&](Window &window) {
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.windowType(), type);
        QCOMPARE(window.windowModality(), modality);
        QCOMPARE(window.size(), client);
        QCOMPARE(window.surface()->geometry(), QRect(QPoint(0, 0), client));
        QCOMPARE(window.surface()->palette().color(QPalette::Window), background);
        QCOMPARE(window.minimumSize() != window.maximumSize(), resizable);
        const Qt::WindowFlags boxes = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(bool(window.windowFlags() & boxes), resizable);
        QCOMPARE(window.testAttribute(Qt::WA_SetWindowIcon), appIcon);
        if (appIcon) {
            const QIcon app(QStringLiteral(":/pictures/icon.ico"));
            QCOMPARE(window.windowIcon().pixmap(32).toImage(), app.pixmap(32).toImage());
            // Docks and task switchers get the launcher drawings, not the 32 px one scaled.
            const QList<QSize> offered = window.windowIcon().availableSizes();
            for (int size : {16, 48, 64, 128, 256})
                QVERIFY2(offered.contains(QSize(size, size)), qPrintable(QString::number(size)));
            QCOMPARE(window.windowIcon().pixmap(256).size(), QSize(256, 256));
        }
    });
}

void DialogsTest::controlsAsDesigned_data()
{
    // Places in pixels at 96 dpi (15 twips to the pixel); no size for a label that takes the
    // size of its text.
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");

    const QColor none;
    const auto row = [](const char *dialog, const QString &name) -> QTestData & {
        return QTest::addRow("%s %s", dialog, qPrintable(name))
               << QString::fromLatin1(dialog) << name;
    };
    const QSize text;

    row("help", "rulesText") << QPoint(24, 24) << QSize(297, 305) << White << 9.75 << true;
    row("help", "closingWish") << QPoint(56, 168) << text << buttonText() << 9.75 << true;
    row("help", "signature") << QPoint(128, 184) << text << buttonText() << 9.75 << true;
    row("help", "designCredit") << QPoint(224, 352) << text << White << 8.25 << false;

    row("about", "icon") << QPoint(8, 8) << QSize(32, 32) << none << 0.0 << false;
    row("about", "programTitle") << QPoint(56, 8) << text << White << 9.75 << true;
    row("about", "authorCredit") << QPoint(56, 32) << text << White << 8.25 << false;
    row("about", "rightsNotice") << QPoint(56, 48) << text << White << 8.25 << false;
    row("about", "webLink") << QPoint(56, 72) << text << White << 9.75 << true;
    row("about", "donationRequest") << QPoint(8, 112) << QSize(299, 45) << Red << 8.25 << false;

    for (int i = 0; i < 5; ++i)
        row("score", QStringLiteral("scoreRow%1").arg(i))
            << QPoint(8, 8 + 24 * i) << text << White << 8.25 << false;
    row("score", "nameBox") << QPoint(8, 136) << QSize(89, 20) << none << 8.25 << true;
    row("score", "okButton") << QPoint(104, 136) << QSize(89, 21) << none << 8.25 << false;
    row("score", "closeLabel") << QPoint(232, 136) << QSize(49, 17) << White << 12.0 << true;
}

void DialogsTest::controlsAsDesigned()
{
    QFETCH(QString, dialog);
    QFETCH(QString, name);
    QFETCH(QPoint, pos);
    QFETCH(QSize, size);
    QFETCH(QColor, color);
    QFETCH(qreal, points);
    QFETCH(bool, bold);

    whileOpen(dialog, [&](Window &window) {
        QWidget *widget = control<QWidget>(&window, name);
        QVERIFY(widget->isVisible());
        QCOMPARE(widget->pos(), pos);
        QCOMPARE(widget->size(), size.isValid() ? size : widget->sizeHint());
        if (auto *label = qobject_cast<Label *>(widget)) {
            QCOMPARE(label->textColor(), color);
            QVERIFY(label->testAttribute(Qt::WA_TranslucentBackground));
        }
        if (points > 0) {
            QCOMPARE(widget->font().pointSizeF(), points);
            QCOMPARE(widget->font().bold(), bold);
        }
    });
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

    whileOpen(dialog, [&](Window &window) {
        const QList<QWidget *> controls =
            window.surface()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QString name = controls[i]->objectName();
            QVERIFY2(name == overhanging ||
                         window.surface()->rect().contains(controls[i]->geometry()),
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
    MainWindow *main = m_main.get();
    QTest::mouseClick(control<Label>(main, "newGameCommand"), Qt::LeftButton);
    QCOMPARE(main->board().phase(), GamePhase::Running);
    const Button *cell = control<Button>(main, "cell4");
    QCOMPARE(cell->text(), QStringLiteral("10"));

    whileOpen(dialog, [&](Window &) {
        for (int i = 0; i < Board::CellCount; ++i)
            QVERIFY2(control<Timer>(main, QStringLiteral("cellTimer%1").arg(i))->isRunning(),
                     qPrintable(QStringLiteral("cell timer %1").arg(i)));
        // A tick that comes while the dialog is open still counts its cell down.
        Q_EMIT control<Timer>(main, "cellTimer4")->tick(4);
        QCOMPARE(cell->text(), QStringLiteral("9"));
    });
}

void DialogsTest::helpTextsFollowTheLanguage()
{
    whileOpen(QStringLiteral("help"), [&](Window &help) {
        const Label *rules = control<Label>(&help, "rulesText");
        const Label *wish = control<Label>(&help, "closingWish");
        QCOMPARE(rules->caption(), loadText(TextId::Rules));
        QCOMPARE(wish->caption(), loadText(TextId::ClosingWish));
        // The closing wish stands below the rules, clear of their last line.
        const int rulesBottom = rules->y() + rules->heightForWidth(rules->width());
        QVERIFY2(rulesBottom <= wish->y(), qPrintable(QString::number(rulesBottom)));
    });
}

void DialogsTest::helpRimCopiesStandAroundTheRules_data()
{
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QPointF>("twips");
    QTest::addColumn<QPoint>("pixels");

    QTest::newRow("up left") << "rimUpLeft" << QPointF(350, 350) << QPoint(23, 23);
    QTest::newRow("up right") << "rimUpRight" << QPointF(370, 350) << QPoint(25, 23);
    QTest::newRow("down left") << "rimDownLeft" << QPointF(350, 370) << QPoint(23, 25);
    QTest::newRow("down right") << "rimDownRight" << QPointF(370, 370) << QPoint(25, 25);
}

void DialogsTest::helpRimCopiesStandAroundTheRules()
{
    QFETCH(QString, copy);
    QFETCH(QPointF, twips);
    QFETCH(QPoint, pixels);

    // A second opening builds the window afresh and must not move the copies any further.
    for (int opening = 1; opening <= 2; ++opening) {
        whileOpen(QStringLiteral("help"), [&](Window &help) {
            const Label *rules = control<Label>(&help, "rulesText");
            const Label *label = control<Label>(&help, copy);
            QCOMPARE(label->leftTwips(), float(twips.x()));
            QCOMPARE(label->topTwips(), float(twips.y()));
            QCOMPARE(label->pos(), pixels);
            QCOMPARE(label->size(), rules->size());
            QCOMPARE(label->font(), rules->font());
            QCOMPARE(label->textColor(), buttonText());
            QCOMPARE(label->caption(), rules->caption());
        });
        QVERIFY2(!QTest::currentTestFailed(),
                 qPrintable(QStringLiteral("opening %1").arg(opening)));
    }
}

void DialogsTest::helpRimShowsOnAllFourDiagonals()
{
    whileOpen(QStringLiteral("help"), [&](Window &help) {
        const QImage shown = help.grab().toImage();
        const QRect area = control<Label>(&help, "rulesText")->geometry().adjusted(-2, -2, 2, 2);

        int whiteLetterPixels = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                whiteLetterPixels += isWhite(shown.pixel(x, y)) ? 1 : 0;
        QVERIFY2(whiteLetterPixels > 500, "the white rules text lies in front of its rim");

        const struct {
            const char *name;
            QPoint offset;
        } sides[] = {{"rimUpLeft", {-1, -1}},
                     {"rimUpRight", {1, -1}},
                     {"rimDownLeft", {-1, 1}},
                     {"rimDownRight", {1, 1}}};
        QStringList counts;
        int thinnest = std::numeric_limits<int>::max();
        for (const auto &side : sides) {
            Label *copy = control<Label>(&help, side.name);
            copy->hide();
            const QImage withoutCopy = help.grab().toImage();
            copy->show();
            const int rim = rimPixels(shown, withoutCopy, area, side.offset);
            counts << QStringLiteral("%1: %2").arg(QLatin1String(side.name)).arg(rim);
            thinnest = std::min(thinnest, rim);
        }
        QVERIFY2(thinnest >= 20, qPrintable(counts.join(QStringLiteral(", "))));
    });
}

void DialogsTest::helpSharesTheMainWindowPicture()
{
    whileOpen(QStringLiteral("help"), [&](Window &help) {
        const QPixmap picture = control<Picture>(m_main.get(), "backgroundPicture")->picture();
        const Picture *background = control<Picture>(&help, "backgroundPicture");
        QVERIFY(!picture.isNull());
        QCOMPARE(background->picture().cacheKey(), picture.cacheKey());
        QCOMPARE(background->pos(), QPoint(0, 0));
        QCOMPARE(background->size(), QSize(600, 400));

        // The picture's top-left part fills the window: no dark grey shows at its corners.
        const QImage shown = help.grab().toImage();
        const QImage source = picture.toImage();
        const QRect client = help.surface()->rect();
        for (const QPoint corner :
             {client.topLeft(), client.topRight(), client.bottomLeft(), client.bottomRight()}) {
            QCOMPARE(QColor(shown.pixel(corner)), QColor(source.pixel(corner)));
        }
    });
}

void DialogsTest::aboutTextsAreFixed()
{
    // The maker's own texts, the same in both languages; only the title follows the language.
    whileOpen(QStringLiteral("about"), [&](Window &about) {
        QCOMPARE(control<Label>(&about, "programTitle")->caption(), QStringLiteral("Ka ludnik"));
        const QString credit = control<Label>(&about, "authorCredit")->caption();
        QVERIFY(credit.startsWith(QStringLiteral("Vytvořil ")));
        QVERIFY(credit.contains(QLatin1Char('@')));
        // The link shows the host alone, without scheme or path, in the look of the other texts.
        const Label *link = control<Label>(&about, "webLink");
        QCOMPARE(QUrl(QStringLiteral("https://") + link->caption()).host(), link->caption());
        QVERIFY(!link->caption().contains(QLatin1Char('/')));
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(link->font().underline(), false);
        // The donation request wraps within its fixed box and shows in full.
        const Label *request = control<Label>(&about, "donationRequest");
        QVERIFY(!request->caption().isEmpty());
        QVERIFY(request->heightForWidth(request->width()) <= request->height());
    });
}

void DialogsTest::aboutShowsItsOwnIcon()
{
    whileOpen(QStringLiteral("about"), [&](Window &about) {
        const QPixmap icon = control<Picture>(&about, "icon")->picture();
        QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(icon.toImage(), about.windowIcon().pixmap(QSize(32, 32)).toImage());
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
    whileOpen(QStringLiteral("about"), [&](Window &about) {
        host = control<Label>(&about, "webLink")->caption();
        QWidget *target = name.isEmpty() ? about.surface() : control<QWidget>(&about, name);
        const QPoint at = name.isEmpty() ? QPoint(about.width() - 4, 4) : QPoint();
        if (name.isEmpty())
            QVERIFY(!about.surface()->childAt(at));
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            // The window stays open and unchanged.
            QVERIFY(about.isVisible());
            QVERIFY(about.isLoaded());
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(&about));
        }
    });
    const QList<QUrl> expected(name == QLatin1String("webLink") ? 2 : 0,
                               QUrl(QStringLiteral("https://") + host));
    QCOMPARE(m_platform->openedUrls, expected);
}

void DialogsTest::scoreWindowTexts()
{
    // An empty table: a dash in every place, the hint in the empty name box.
    ScoreWindow &score = openScoreWindow();
    const auto *nameBox = control<QLineEdit>(&score, "nameBox");
    QCOMPARE(nameBox->text(), QString());
    QCOMPARE(nameBox->placeholderText(), loadText(TextId::EnterName));
    QCOMPARE(control<Button>(&score, "okButton")->text(), loadText(TextId::Confirm));
    for (int row = 0; row < ScoreWindow::Rows; ++row)
        QCOMPARE(scoreRow(score, row), loadText(TextId::NoResult));
    QCOMPARE(control<Label>(&score, "messageLine")->caption(), QString());
    // No finished game waits: OK stores nothing.
    QTest::keyClicks(control<QLineEdit>(&score, "nameBox"), QStringLiteral("Honza"));
    QTest::mouseClick(control<Button>(&score, "okButton"), Qt::LeftButton);
    QCOMPARE(scoreRow(score, 0), loadText(TextId::NoResult));
    QVERIFY(!QFile::exists(ScoreFile::defaultPath()));
    // The close label's text shows whole in its fixed box.
    const Label *closeLabel = control<Label>(&score, "closeLabel");
    QCOMPARE(closeLabel->caption(), loadText(TextId::Close));
    const QFontMetrics metrics(closeLabel->font());
    const QRect ink = metrics.tightBoundingRect(closeLabel->caption());
    QVERIFY2(ink.right() < closeLabel->width(), qPrintable(QString::number(ink.right())));
    QVERIFY2(metrics.ascent() + ink.bottom() < closeLabel->height(),
             qPrintable(QString::number(metrics.ascent() + ink.bottom())));
}

void DialogsTest::scoreWindowLeavesTheMainWindowUsable()
{
    ScoreWindow &score = openScoreWindow();
    // A click given to the main window as the window system delivers it, which holds back
    // clicks on a window behind a modal one.
    const Label *newGame = control<Label>(m_main.get(), "newGameCommand");
    QTest::mouseClick(m_main->windowHandle(), Qt::LeftButton, {},
                      newGame->mapTo(m_main.get(), newGame->rect().center()));
    QCOMPARE(m_main->board().phase(), GamePhase::Running);
    QVERIFY(score.isVisible());
}

void DialogsTest::scoreWindowControlsKeepTheirPlacesWhenResized()
{
    ScoreWindow &score = openScoreWindow();
    const Label *closeLabel = control<Label>(&score, "closeLabel");
    const Button *okButton = control<Button>(&score, "okButton");
    const QRect closeLabelPlace = closeLabel->geometry();
    const QRect okButtonPlace = okButton->geometry();
    score.resize(500, 320);
    QCOMPARE(score.surface()->size(), QSize(500, 320));
    QCOMPARE(closeLabel->geometry(), closeLabelPlace);
    QCOMPARE(okButton->geometry(), okButtonPlace);
}

void DialogsTest::scoreWindowTabOrder()
{
    ScoreWindow &score = openScoreWindow();
    QWidget *nameBox = control<QLineEdit>(&score, "nameBox");
    QWidget *okButton = control<Button>(&score, "okButton");
    nameBox->setFocus();
    QCOMPARE(QApplication::focusWidget(), nameBox);
    // The labels take no focus: the focus goes round between the text box and the button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), okButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nameBox);
}

void DialogsTest::closeLabelColour_data()
{
    // Where the pointer goes, one move after the other, and the close label's colour after each.
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QList<QColor>>("colors");

    QTest::newRow("lit and put out by the bare surface")
        << QStringList{"closeLabel", "surface", "closeLabel"} << QList<QColor>{Red, White, Red};
    QTest::newRow("the other controls leave it as it is")
        << QStringList{"nameBox", "okButton", "scoreRow0", "closeLabel",
                       "nameBox", "okButton", "scoreRow2"}
        << QList<QColor>{White, White, White, Red, Red, Red, Red};
    QTest::newRow("out of the window and back over the surface")
        << QStringList{"closeLabel", "outside", "surface"} << QList<QColor>{Red, Red, White};
}

void DialogsTest::closeLabelColour()
{
    QFETCH(QStringList, path);
    QFETCH(QList<QColor>, colors);

    ScoreWindow &score = openScoreWindow();
    const Label *closeLabel = control<Label>(&score, "closeLabel");
    parkPointer();
    QCOMPARE(closeLabel->textColor(), White);
    for (qsizetype step = 0; step < path.size(); ++step) {
        if (path[step] == QLatin1String("outside")) {
            parkPointer();
        } else if (path[step] == QLatin1String("surface")) {
            // Bare surface just above the close label.
            const QPoint bare = closeLabel->geometry().center() - QPoint(0, 20);
            QVERIFY(!score.surface()->childAt(bare));
            QTest::mouseMove(score.surface(), bare);
        } else {
            QTest::mouseMove(control<QWidget>(&score, path[step]));
        }
        QVERIFY2(closeLabel->textColor() == colors[step],
                 qPrintable(path.mid(0, step + 1).join(QStringLiteral(", ")) +
                            QStringLiteral(": ") + closeLabel->textColor().name()));
    }
}

void DialogsTest::aQualifyingGameIsOfferedAndStoredOnce()
{
    QVERIFY(answeredAfter([this] { endGameWithScore(0); })); // nothing to offer
    QVERIFY(!findWindow<ScoreWindow>() || !findWindow<ScoreWindow>()->isVisible());

    QVERIFY(answeredAfter([this] { endGameWithScore(20); }));
    ScoreWindow *score = findWindow<ScoreWindow>();
    QVERIFY(score && score->isVisible());
    QVERIFY(m_main->isVisible()); // modeless: the game stays usable
    auto *nameBox = control<QLineEdit>(score, "nameBox");
    QCOMPARE(score->focusWidget(), nameBox); // the keyboard goes there once the window is active
    QTest::keyClicks(nameBox, QStringLiteral("  Jana "));
    QTest::sendKeyEvent(QTest::Click, nameBox, Qt::Key_unknown, QStringLiteral("😀 "), {});
    QVERIFY(answeredAfter([&] { QTest::keyClick(nameBox, Qt::Key_Return); }));
    QVERIFY(scoreRow(*score, 0).contains(QStringLiteral("Jana 😀")));
    QVERIFY(scoreRow(*score, 0).contains(QStringLiteral(" 20 ")));
    QTest::keyClick(nameBox, Qt::Key_Return); // the same game again: not stored twice
    QCOMPARE(scoreRow(*score, 1), loadText(TextId::NoResult));

    // After a restart of the program the table is read back, and the next qualifying game
    // offers the last name, selected so that typing replaces it.
    m_main = std::make_unique<MainWindow>();
    m_main->show();
    QVERIFY(answeredAfter([this] { endGameWithScore(10); }));
    score = findWindow<ScoreWindow>();
    nameBox = control<QLineEdit>(score, "nameBox");
    QVERIFY(scoreRow(*score, 0).contains(QStringLiteral("Jana 😀")));
    QCOMPARE(nameBox->text(), QStringLiteral("Jana 😀"));
    QCOMPARE(nameBox->selectedText(), nameBox->text());
}

void DialogsTest::aNewGameOrClosingDropsTheOffer_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("new game") << "new game";
    QTest::newRow("close label") << "close label";
    QTest::newRow("close box") << "close box";
}

void DialogsTest::aNewGameOrClosingDropsTheOffer()
{
    QFETCH(QString, how);
    if (how == QLatin1String("new game")) {
        // Before the file is read, the game is not offered at all.
        QVERIFY(answeredAfter([this] {
            endGameWithScore(30);
            QTest::mouseClick(control<Label>(m_main.get(), "newGameCommand"), Qt::LeftButton);
        }));
        QVERIFY(!findWindow<ScoreWindow>());
    }
    QVERIFY(answeredAfter([this] { endGameWithScore(30); }));
    ScoreWindow *score = findWindow<ScoreWindow>();
    QTest::keyClicks(control<QLineEdit>(score, "nameBox"), QStringLiteral("Honza"));
    if (how == QLatin1String("new game"))
        QTest::mouseClick(control<Label>(m_main.get(), "newGameCommand"), Qt::LeftButton);
    else if (how == QLatin1String("close label"))
        QTest::mouseClick(control<Label>(score, "closeLabel"), Qt::LeftButton);
    else
        score->close();
    if (!score->isVisible())
        QVERIFY(answeredAfter([this] { QTest::keyClick(scoreWindowButton(), Qt::Key_Space); }));
    auto *nameBox = control<QLineEdit>(score, "nameBox");
    if (how != QLatin1String("new game"))
        QCOMPARE(nameBox->text(), QString()); // what was typed went with the window
    QTest::keyClicks(nameBox, QStringLiteral("Honza"));
    QTest::keyClick(nameBox, Qt::Key_Return);
    QCOMPARE(scoreRow(*score, 0), loadText(TextId::NoResult));
}

void DialogsTest::theWindowSaysWhyAResultWasNotKept()
{
    // A damaged file is set aside when the game over reads it.
    QVERIFY(QDir().mkpath(QFileInfo(ScoreFile::defaultPath()).path()));
    QFile damaged(ScoreFile::defaultPath());
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"version\": 1") > 0);
    damaged.close();
    QVERIFY(answeredAfter([this] { endGameWithScore(20); }));
    ScoreWindow *score = findWindow<ScoreWindow>();
    auto *nameBox = control<QLineEdit>(score, "nameBox");
    const Label *message = control<Label>(score, "messageLine");
    QCOMPARE(message->caption(), loadText(TextId::FileSetAside));
    QTest::keyClicks(nameBox, QStringLiteral(" \t "));
    QTest::keyClick(nameBox, Qt::Key_Return);
    QCOMPARE(message->caption(), loadText(TextId::EmptyName));
    QCOMPARE(scoreRow(*score, 0), loadText(TextId::NoResult));

    // A folder where the file should be: kept for this run, said so, tried again.
    QVERIFY(QDir().mkpath(ScoreFile::defaultPath()));
    QTest::keyClicks(nameBox, QStringLiteral("Eva"));
    QVERIFY(answeredAfter([&] { QTest::keyClick(nameBox, Qt::Key_Return); }));
    QCOMPARE(message->caption(), loadText(TextId::NotSaved));
    QVERIFY(scoreRow(*score, 0).contains(QStringLiteral("Eva")));
    QVERIFY(QDir(ScoreFile::defaultPath()).removeRecursively());
    QVERIFY(answeredAfter(
        [&] { QTest::mouseClick(control<Button>(score, "okButton"), Qt::LeftButton); }));
    QCOMPARE(message->caption(), QString());
    QVERIFY(QFile::exists(ScoreFile::defaultPath()));

    // Offered, then pushed out by better results that another copy of the game saved while the
    // player typed.
    QVERIFY(answeredAfter([this] { endGameWithScore(10); }));
    ScoreFile otherCopy(ScoreFile::defaultPath());
    for (int i = 0; i < ScoreTable::Size; ++i)
        otherCopy.add({QStringLiteral("P%1").arg(i), 100, QDateTime::currentDateTimeUtc()}, "P");
    QTest::keyClicks(nameBox, QStringLiteral("Jana"));
    QVERIFY(answeredAfter([&] { QTest::keyClick(nameBox, Qt::Key_Return); }));
    QCOMPARE(message->caption(), loadText(TextId::Outscored));
    QVERIFY(!scoreRow(*score, 4).contains(QStringLiteral("Jana")));
}

void DialogsTest::secondOpeningLeavesOneWindow()
{
    ScoreWindow &score = openScoreWindow();
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

void DialogsTest::theScoreWindowGoesWithTheMainWindow()
{
    const QPointer<ScoreWindow> score = &openScoreWindow();
    m_main.reset();
    QVERIFY(score.isNull());
}

void DialogsTest::dialogsStayWithTheMainWindowAndCloseOnEscape_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("help") << "help";
    QTest::newRow("about") << "about";
    QTest::newRow("score") << "score";
}

void DialogsTest::dialogsStayWithTheMainWindowAndCloseOnEscape()
{
    QFETCH(QString, dialog);
    whileOpen(dialog, [&](Window &window) {
        // What the window system is told to keep over the main window, and place with it.
        QVERIFY(window.windowHandle());
        QCOMPARE(window.windowHandle()->transientParent(), m_main->windowHandle());
        // Escape goes to the control with the focus first; the name box must let it through.
        QWidget *focus = dialog == QLatin1String("score") ? control<QLineEdit>(&window, "nameBox")
                                                          : static_cast<QWidget *>(&window);
        QTest::keyClick(focus, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isLoaded());
    });
    QVERIFY(m_main->isVisible());
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
