#include "../support/modalcloser.h"
#include "../support/recordingplatform.h"
#include "text/stringtable.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/form4.h"
#include "ui/main/form1.h"
#include "ui/toolkit/button.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/timer.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

bool czech()
{
    return userLanguage() == Language::Czech;
}

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);

QColor buttonText()
{
    return QGuiApplication::palette().color(QPalette::ButtonText);
}

QString rulesText()
{
    return czech() ? QStringLiteral(
                         "Jde o velice jednoduchou hru. Cílem hry je klikat na tlačítka tak, aby "
                         "se jejich hodnota nikdy nesnížila na nulu. Při každém kliknutí se Vám "
                         "přičte 10 bodů a rychlost odpočítávání na tlačítku se zvýší o 50ms. "
                         "Pokud vícekrát za sebou kliknete na jedno tlačítko přičtou se Vám body "
                         "pouze za první kliknutí.")
                   : QStringLiteral("Click each of the 9 buttons to prevent them counting down to "
                                    "zero.  When you reach zero, it's game over and you have to "
                                    "start again.");
}

// The controls of a loaded dialog by their names.
QWidget *controlOf(Form &form, const QString &name)
{
    QHash<QString, QWidget *> controls;
    if (auto *help = qobject_cast<Form2 *>(&form))
        controls = {{"Image1", help->Image1}, {"Label1", help->Label1}, {"Label2", help->Label2},
                    {"Label3", help->Label3}, {"Label4", help->Label4}, {"Label5", help->Label5},
                    {"Label6", help->Label6}, {"Label7", help->Label7}, {"Label8", help->Label8}};
    else if (auto *about = qobject_cast<Form3 *>(&form))
        controls = {{"Image1", about->Image1}, {"Label1", about->Label1},
                    {"Label2", about->Label2}, {"Label3", about->Label3},
                    {"Label4", about->Label4}, {"Label7", about->Label7}};
    else if (auto *entry = qobject_cast<Form4 *>(&form))
        controls = {{"Label1", entry->Label1},     {"Label2", entry->Label2},
                    {"Label3", entry->Label3},     {"Label4", entry->Label4},
                    {"Label5", entry->Label5},     {"Text1", entry->Text1},
                    {"Command1", entry->Command1}, {"Label6", entry->Label6}};
    return controls.value(name);
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
    void dialogsOpenAsTheMainWindowAsks();
    void cellTimersRunBehindModalDialogs_data();
    void cellTimersRunBehindModalDialogs();

    void helpTextsFollowTheLanguage();
    void helpRimCopiesStandAroundTheRules_data();
    void helpRimCopiesStandAroundTheRules();
    void helpRimShowsOnAllFourDiagonals();
    void helpSharesTheMainWindowPicture();

    void aboutTextsAreFixedButTheTitle();
    void aboutControlsFitAndDoNotOverlap();
    void aboutShowsItsOwnIcon();
    void aboutClicks_data();
    void aboutClicks();

    void nameEntryLeavesTheMainWindowUsable();
    void nameEntryControlsFitAndDoNotOverlap();
    void nameEntryControlsKeepTheirPlacesWhenResized();
    void nameEntryTabOrder();
    void closeLabelColour_data();
    void closeLabelColour();
    void okButtonDoesNothing();
    void closingDropsTheTypedName_data();
    void closingDropsTheTypedName();
    void secondOpeningLeavesOneWindow();
    void closingTheMainWindowClosesNameEntry();

private:
    // Opens the dialog as the main window's command does and runs `check` while it is open;
    // closes it afterwards.
    void whileOpen(const QString &dialog, const std::function<void(Form &)> &check);
    // Opens the name entry window through the main window, clear of the main window, so that
    // pointer moves over it reach it.
    Form4 &openNameEntry();

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Form1> m_main;
};

void DialogsTest::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_main = std::make_unique<Form1>();
    m_main->move(0, 0);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void DialogsTest::cleanup()
{
    m_main.reset();
    m_platform.reset();
}

void DialogsTest::whileOpen(const QString &dialog, const std::function<void(Form &)> &check)
{
    if (dialog == QLatin1String("name")) {
        Form4 &form = openNameEntry();
        check(form);
        form.close();
        return;
    }
    const bool help = dialog == QLatin1String("help");
    Form &form = help ? static_cast<Form &>(m_main->form2()) : m_main->form3();
    const int opened =
        modalWindowsOpenedBy([&] { help ? m_main->Label3_Click() : m_main->Label4_Click(); },
                             [&](QWidget *modal) {
                                 QCOMPARE(modal, static_cast<QWidget *>(&form));
                                 check(form);
                             });
    QCOMPARE(opened, 1);
    QVERIFY(!form.isVisible());
}

Form4 &DialogsTest::openNameEntry()
{
    Form4 &form = m_main->form4();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    form.move(screen.right() - form.width() - 10, screen.bottom() - form.height() - 10);
    m_main->Command2_Click();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("the name entry window did not become active");
    return form;
}

void DialogsTest::windowsAsDesigned_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Qt::WindowType>("type");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<Qt::WindowModality>("modality");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("appIcon");

    QTest::newRow("help") << "help" << Qt::Tool << false << Qt::ApplicationModal << QSize(354, 381)
                          << QColor(0x40, 0x40, 0x40) << true;
    QTest::newRow("about") << "about" << Qt::Tool << false << Qt::ApplicationModal
                           << QSize(306, 166) << QColor(Qt::black) << true;
    QTest::newRow("name entry") << "name" << Qt::Window << true << Qt::NonModal << QSize(304, 170)
                                << QColor(Qt::black) << false;
}

void DialogsTest::windowsAsDesigned()
{
    QFETCH(QString, dialog);
    QFETCH(Qt::WindowType, type);
    QFETCH(bool, resizable);
    QFETCH(Qt::WindowModality, modality);
    QFETCH(QSize, client);
    QFETCH(QColor, background);
    QFETCH(bool, appIcon);

    whileOpen(dialog, [&](Form &form) {
        QVERIFY(form.isVisible());
        QCOMPARE(form.windowType(), type);
        QCOMPARE(form.windowModality(), modality);
        QCOMPARE(form.size(), client);
        QCOMPARE(form.surface()->geometry(), QRect(QPoint(0, 0), client));
        QCOMPARE(form.surface()->palette().color(QPalette::Window), background);
        QCOMPARE(form.minimumSize() != form.maximumSize(), resizable);
        const Qt::WindowFlags boxes = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(bool(form.windowFlags() & boxes), resizable);
        QCOMPARE(form.testAttribute(Qt::WA_SetWindowIcon), appIcon);
        if (appIcon) {
            const QIcon app(QStringLiteral(":/pictures/icon.ico"));
            QCOMPARE(form.windowIcon().pixmap(32).toImage(), app.pixmap(32).toImage());
        }
    });
}

void DialogsTest::controlsAsDesigned_data()
{
    // Places in pixels at 96 dpi (15 twips to the pixel); no size for a label that takes the
    // size of its text.
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");

    const QColor none;
    const auto row = [](const char *dialog, const char *control) -> QTestData & {
        return QTest::addRow("%s %s", dialog, control)
               << QString::fromLatin1(dialog) << QString::fromLatin1(control);
    };
    const QSize text;

    row("help", "Label5") << QPoint(24, 24) << QSize(297, 305) << White << 9.75 << true;
    row("help", "Label6") << QPoint(56, 168) << text << buttonText() << 9.75 << true;
    row("help", "Label7") << QPoint(128, 184) << text << buttonText() << 9.75 << true;
    row("help", "Label8") << QPoint(224, 352) << text << White << 8.25 << false;

    row("about", "Image1") << QPoint(8, 8) << QSize(32, 32) << none << 0.0 << false;
    row("about", "Label1") << QPoint(56, 8) << text << White << 9.75 << true;
    row("about", "Label2") << QPoint(56, 32) << text << White << 8.25 << false;
    row("about", "Label3") << QPoint(56, 48) << text << White << 8.25 << false;
    row("about", "Label4") << QPoint(56, 72) << text << White << 9.75 << true;
    row("about", "Label7") << QPoint(8, 112) << QSize(299, 45) << Red << 8.25 << false;

    for (const char *placeholder : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        row("name", placeholder) << QPoint(8, 8 + 24 * (placeholder[5] - '1')) << text << White
                                 << 8.25 << false;
    row("name", "Text1") << QPoint(8, 136) << QSize(89, 20) << none << 8.25 << true;
    row("name", "Command1") << QPoint(104, 136) << QSize(89, 21) << none << 8.25 << false;
    row("name", "Label6") << QPoint(232, 136) << QSize(49, 17) << White << 12.0 << true;
}

void DialogsTest::controlsAsDesigned()
{
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QPoint, pos);
    QFETCH(QSize, size);
    QFETCH(QColor, color);
    QFETCH(qreal, points);
    QFETCH(bool, bold);

    whileOpen(dialog, [&](Form &form) {
        QWidget *widget = controlOf(form, control);
        QVERIFY(widget);
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

void DialogsTest::dialogsOpenAsTheMainWindowAsks()
{
    // Help and about by a click on their commands before a game, name entry by Space on the
    // hidden button that has the focus at start.
    Form1 &main = *m_main;
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(main.Command2));
    QTest::keyClick(main.Command2, Qt::Key_Space);
    QVERIFY(main.form4().isVisible());
    QVERIFY(main.form4().isLoaded());
    QVERIFY(!QApplication::activeModalWidget());

    QCOMPARE(modalWindowsOpenedBy(
                 [&] { QTest::mouseClick(main.Label3, Qt::LeftButton); },
                 [&](QWidget *modal) { QCOMPARE(modal, static_cast<QWidget *>(&main.form2())); }),
             1);
    QCOMPARE(modalWindowsOpenedBy(
                 [&] { QTest::mouseClick(main.Label4, Qt::LeftButton); },
                 [&](QWidget *modal) { QCOMPARE(modal, static_cast<QWidget *>(&main.form3())); }),
             1);
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
    m_main->Label1_Click();
    int running = 0;
    whileOpen(dialog, [&](Form &) {
        for (const Timer *timer : m_main->Timer1)
            running += timer->isRunning() ? 1 : 0;
    });
    QCOMPARE(running, Board::CellCount);
}

void DialogsTest::helpTextsFollowTheLanguage()
{
    whileOpen(QStringLiteral("help"), [&](Form &form) {
        auto &help = static_cast<Form2 &>(form);
        QCOMPARE(help.windowTitle(), czech() ? QStringLiteral("Nápověda") : QStringLiteral("Help"));
        QCOMPARE(help.Label5->caption(), rulesText());
        QCOMPARE(help.Label6->caption(),
                 czech() ? QStringLiteral("Příjemnou zábavu") : QStringLiteral("..."));
        // The closing wish stands below the rules, clear of their last line.
        const int rulesBottom =
            help.Label5->y() + help.Label5->heightForWidth(help.Label5->width());
        QVERIFY2(rulesBottom <= help.Label6->y(), qPrintable(QString::number(rulesBottom)));
        QVERIFY(!help.Label7->caption().isEmpty());
        QVERIFY(!help.Label8->caption().isEmpty());
        for (const Label *label : {help.Label6, help.Label7, help.Label8})
            QVERIFY(help.surface()->rect().contains(label->geometry()));
    });
}

void DialogsTest::helpRimCopiesStandAroundTheRules_data()
{
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QPointF>("twips");
    QTest::addColumn<QPoint>("pixels");

    QTest::newRow("Label4 up left") << "Label4" << QPointF(350, 350) << QPoint(23, 23);
    QTest::newRow("Label3 up right") << "Label3" << QPointF(370, 350) << QPoint(25, 23);
    QTest::newRow("Label2 down left") << "Label2" << QPointF(350, 370) << QPoint(23, 25);
    QTest::newRow("Label1 down right") << "Label1" << QPointF(370, 370) << QPoint(25, 25);
}

void DialogsTest::helpRimCopiesStandAroundTheRules()
{
    QFETCH(QString, copy);
    QFETCH(QPointF, twips);
    QFETCH(QPoint, pixels);

    // A second opening builds the window afresh and must not move the copies any further.
    for (int opening = 1; opening <= 2; ++opening) {
        whileOpen(QStringLiteral("help"), [&](Form &form) {
            auto &help = static_cast<Form2 &>(form);
            auto *label = static_cast<Label *>(controlOf(help, copy));
            QCOMPARE(label->leftTwips(), float(twips.x()));
            QCOMPARE(label->topTwips(), float(twips.y()));
            QCOMPARE(label->pos(), pixels);
            QCOMPARE(label->size(), help.Label5->size());
            QCOMPARE(label->font(), help.Label5->font());
            QCOMPARE(label->textColor(), buttonText());
            QCOMPARE(label->caption(), help.Label5->caption());
            QCOMPARE(help.Label5->leftTwips(), 360.0f);
            QCOMPARE(help.Label5->topTwips(), 360.0f);
        });
        QVERIFY2(!QTest::currentTestFailed(),
                 qPrintable(QStringLiteral("opening %1").arg(opening)));
    }
}

void DialogsTest::helpRimShowsOnAllFourDiagonals()
{
    whileOpen(QStringLiteral("help"), [&](Form &form) {
        auto &help = static_cast<Form2 &>(form);
        const QImage shown = help.grab().toImage();
        const QRect area = help.Label5->geometry().adjusted(-2, -2, 2, 2);

        int whiteLetterPixels = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                whiteLetterPixels += isWhite(shown.pixel(x, y)) ? 1 : 0;
        QVERIFY2(whiteLetterPixels > 500, "the white rules text lies in front of its rim");

        const struct {
            const char *name;
            Label *copy;
            QPoint offset;
        } sides[] = {{"up left", help.Label4, {-1, -1}},
                     {"up right", help.Label3, {1, -1}},
                     {"down left", help.Label2, {-1, 1}},
                     {"down right", help.Label1, {1, 1}}};
        QStringList counts;
        int thinnest = std::numeric_limits<int>::max();
        for (const auto &side : sides) {
            side.copy->hide();
            const QImage withoutCopy = help.grab().toImage();
            side.copy->show();
            const int rim = rimPixels(shown, withoutCopy, area, side.offset);
            counts << QStringLiteral("%1: %2").arg(QLatin1String(side.name)).arg(rim);
            thinnest = std::min(thinnest, rim);
        }
        QVERIFY2(thinnest >= 20, qPrintable(counts.join(QStringLiteral(", "))));
    });
}

void DialogsTest::helpSharesTheMainWindowPicture()
{
    whileOpen(QStringLiteral("help"), [&](Form &form) {
        auto &help = static_cast<Form2 &>(form);
        const QPixmap picture = m_main->Image1->picture();
        QVERIFY(!picture.isNull());
        QCOMPARE(help.Image1->picture().cacheKey(), picture.cacheKey());
        QCOMPARE(help.Image1->pos(), QPoint(0, 0));
        QCOMPARE(help.Image1->size(), QSize(600, 400));

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

void DialogsTest::aboutTextsAreFixedButTheTitle()
{
    whileOpen(QStringLiteral("about"), [&](Form &form) {
        auto &about = static_cast<Form3 &>(form);
        QCOMPARE(about.windowTitle(), czech() ? QStringLiteral("O hře") : QStringLiteral("About"));
        QCOMPARE(about.Label1->caption(), QStringLiteral("Ka ludnik"));
        QVERIFY(about.Label2->caption().startsWith(QStringLiteral("Vytvořil ")));
        QVERIFY(about.Label2->caption().contains(QLatin1Char('@')));
        // The link shows the host alone, without scheme or path.
        const QString host = about.Label4->caption();
        QCOMPARE(QUrl(QStringLiteral("https://") + host).host(), host);
        QVERIFY(!host.contains(QLatin1Char('/')));
        QVERIFY(!about.Label7->caption().isEmpty());
        QCOMPARE(about.Label4->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(about.Label4->font().underline(), false);
    });
}

void DialogsTest::aboutControlsFitAndDoNotOverlap()
{
    whileOpen(QStringLiteral("about"), [&](Form &form) {
        auto &about = static_cast<Form3 &>(form);
        // The labels that take the size of their texts stay inside the window.
        for (const Label *label : {about.Label1, about.Label2, about.Label3, about.Label4})
            QVERIFY2(about.surface()->rect().contains(label->geometry()),
                     qPrintable(label->caption()));
        const QList<QWidget *> controls{about.Image1, about.Label1, about.Label2,
                                        about.Label3, about.Label4, about.Label7};
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY(!controls[i]->geometry().intersects(controls[j]->geometry()));
        // The donation request wraps within its fixed box and shows in full.
        QVERIFY(about.Label7->heightForWidth(about.Label7->width()) <= about.Label7->height());
    });
}

void DialogsTest::aboutShowsItsOwnIcon()
{
    whileOpen(QStringLiteral("about"), [&](Form &form) {
        auto &about = static_cast<Form3 &>(form);
        const QPixmap icon = about.Image1->picture();
        QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(icon.toImage(), about.windowIcon().pixmap(QSize(32, 32)).toImage());
        // It is really there: the icon's pixels show at (120, 120) twips.
        const QImage shown = about.grab().toImage();
        const QImage iconImage = icon.toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        int shownAlike = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (qAlpha(iconImage.pixel(x, y)) < 255)
                    continue;
                ++opaque;
                if ((iconImage.pixel(x, y) & RGB_MASK) == (shown.pixel(8 + x, 8 + y) & RGB_MASK))
                    ++shownAlike;
            }
        }
        QVERIFY(opaque > 100);
        QCOMPARE(shownAlike, opaque);
    });
}

void DialogsTest::aboutClicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("requests");

    QTest::newRow("link once") << "Label4" << 1 << 1;
    QTest::newRow("link twice") << "Label4" << 2 << 2;
    for (const char *other : {"Image1", "Label1", "Label2", "Label3", "Label7"})
        QTest::addRow("%s", other) << other << 2 << 0;
    QTest::newRow("bare surface") << "" << 2 << 0;
}

void DialogsTest::aboutClicks()
{
    QFETCH(QString, control);
    QFETCH(int, clicks);
    QFETCH(int, requests);

    QString host;
    whileOpen(QStringLiteral("about"), [&](Form &form) {
        auto &about = static_cast<Form3 &>(form);
        host = about.Label4->caption();
        QWidget *target = control.isEmpty() ? about.surface() : controlOf(about, control);
        const QPoint at = control.isEmpty() ? QPoint(about.width() - 4, 4) : QPoint();
        if (control.isEmpty())
            QVERIFY(!about.surface()->childAt(at));
        for (int click = 0; click < clicks; ++click) {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            // The window stays open and unchanged.
            QVERIFY(about.isVisible());
            QVERIFY(about.isLoaded());
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(&about));
        }
    });
    const QList<QUrl> expected(requests, QUrl(QStringLiteral("https://") + host));
    QCOMPARE(m_platform->openedUrls, expected);
}

void DialogsTest::nameEntryLeavesTheMainWindowUsable()
{
    Form4 &form = openNameEntry();
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Skóre"));
    QCOMPARE(form.Text1->text(), QStringLiteral("Zadej jméno"));
    QCOMPARE(form.Command1->text(), QStringLiteral("OK"));
    QCOMPARE(form.Label6->caption(), QStringLiteral("Zavřít"));
    for (const Label *row : {form.Label1, form.Label2, form.Label3, form.Label4, form.Label5})
        QCOMPARE(row->caption(), QStringLiteral("Label1"));

    QVERIFY(!QApplication::activeModalWidget());
    QTest::mouseClick(m_main->Label1, Qt::LeftButton);
    QCOMPARE(m_main->board().phase(), GamePhase::Running);
    QVERIFY(form.isVisible());
}

void DialogsTest::nameEntryControlsFitAndDoNotOverlap()
{
    Form4 &form = openNameEntry();
    const QList<QWidget *> controls{form.Label1, form.Label2, form.Label3,   form.Label4,
                                    form.Label5, form.Text1,  form.Command1, form.Label6};
    for (const QWidget *control : controls)
        QVERIFY(form.surface()->rect().contains(control->geometry()));
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY(!controls[i]->geometry().intersects(controls[j]->geometry()));
    // "Zavřít" shows whole in the close label's fixed box.
    const QFontMetrics metrics(form.Label6->font());
    const QRect ink = metrics.tightBoundingRect(form.Label6->caption());
    QVERIFY2(ink.right() < form.Label6->width(), qPrintable(QString::number(ink.right())));
    QVERIFY2(metrics.ascent() + ink.bottom() < form.Label6->height(),
             qPrintable(QString::number(metrics.ascent() + ink.bottom())));
}

void DialogsTest::nameEntryControlsKeepTheirPlacesWhenResized()
{
    Form4 &form = openNameEntry();
    const QRect closeLabel = form.Label6->geometry();
    const QRect button = form.Command1->geometry();
    form.resize(500, 320);
    QCOMPARE(form.surface()->size(), QSize(500, 320));
    QCOMPARE(form.Label6->geometry(), closeLabel);
    QCOMPARE(form.Command1->geometry(), button);
}

void DialogsTest::nameEntryTabOrder()
{
    Form4 &form = openNameEntry();
    form.Text1->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.Text1));
    // The labels take no focus: the focus goes round between the text box and the button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.Command1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.Text1));
}

void DialogsTest::closeLabelColour_data()
{
    // Where the pointer goes, one move after the other, and the close label's colour after.
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QColor>("color");

    QTest::newRow("at rest") << QStringList() << White;
    QTest::newRow("onto the label") << QStringList{"Label6"} << Red;
    QTest::newRow("on to the bare surface") << QStringList{"Label6", "surface"} << White;
    QTest::newRow("back onto the label") << QStringList{"Label6", "surface", "Label6"} << Red;
    QTest::newRow("on to the text box") << QStringList{"Label6", "Text1"} << Red;
    QTest::newRow("on to the button") << QStringList{"Label6", "Command1"} << Red;
    QTest::newRow("on to a placeholder") << QStringList{"Label6", "Label3"} << Red;
    QTest::newRow("out of the window") << QStringList{"Label6", "outside"} << Red;
    QTest::newRow("out and back over the surface")
        << QStringList{"Label6", "outside", "surface"} << White;
    QTest::newRow("controls without the label")
        << QStringList{"Text1", "Command1", "Label1"} << White;
}

void DialogsTest::closeLabelColour()
{
    QFETCH(QStringList, path);
    QFETCH(QColor, color);

    Form4 &form = openNameEntry();
    parkPointer();
    for (const QString &step : path) {
        if (step == QLatin1String("outside")) {
            parkPointer();
        } else if (step == QLatin1String("surface")) {
            // Bare surface just above the close label.
            const QPoint bare = form.Label6->geometry().center() - QPoint(0, 20);
            QVERIFY(!form.surface()->childAt(bare));
            QTest::mouseMove(form.surface(), bare);
        } else {
            QTest::mouseMove(controlOf(form, step));
        }
    }
    QCOMPARE(form.Label6->textColor(), color);
}

void DialogsTest::okButtonDoesNothing()
{
    Form4 &form = openNameEntry();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.Text1->selectAll();
    QTest::keyClicks(form.Text1, QStringLiteral("Honza"));
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QTest::keyClick(form.Command1, Qt::Key_Space);
    QTest::keyClick(form.Command1, Qt::Key_Return);

    QVERIFY(form.isVisible());
    QCOMPARE(form.Text1->text(), QStringLiteral("Honza"));
    QCOMPARE(form.Label6->textColor(), White);
    QVERIFY(m_platform->openedUrls.isEmpty());
    QVERIFY(m_platform->endRequests.isEmpty());
    QCOMPARE(m_main->board().phase(), GamePhase::Idle);
}

void DialogsTest::closingDropsTheTypedName_data()
{
    QTest::addColumn<bool>("byCloseLabel");
    QTest::newRow("close label") << true;
    QTest::newRow("close box") << false;
}

void DialogsTest::closingDropsTheTypedName()
{
    QFETCH(bool, byCloseLabel);

    Form4 &form = openNameEntry();
    form.Text1->selectAll();
    QTest::keyClicks(form.Text1, QStringLiteral("Honza"));
    parkPointer();
    QTest::mouseMove(form.Label6);
    QCOMPARE(form.Label6->textColor(), Red);

    if (byCloseLabel)
        QTest::mouseClick(form.Label6, Qt::LeftButton);
    else
        form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(!form.isLoaded());

    QTest::keyClick(m_main->Command2, Qt::Key_Space);
    QVERIFY(form.isVisible());
    QCOMPARE(form.Text1->text(), QStringLiteral("Zadej jméno"));
    QCOMPARE(form.Label6->textColor(), White);
}

void DialogsTest::secondOpeningLeavesOneWindow()
{
    Form4 &form = openNameEntry();
    form.Text1->selectAll();
    QTest::keyClicks(form.Text1, QStringLiteral("Honza"));
    QTest::keyClick(m_main->Command2, Qt::Key_Space);

    int shown = 0;
    for (const QWidget *window : QApplication::topLevelWidgets())
        shown += qobject_cast<const Form4 *>(window) && window->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
    QCOMPARE(&m_main->form4(), &form);
    // Showing it again while it is open does not load it afresh.
    QCOMPARE(form.Text1->text(), QStringLiteral("Honza"));
}

void DialogsTest::closingTheMainWindowClosesNameEntry()
{
    const QPointer<Form4> form = &openNameEntry();
    QVERIFY(form->isVisible());
    m_main.reset();
    QVERIFY(form.isNull());
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
