#include "../support/recordingplatform.h"
#include "button.h"
#include "fonts.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "timer.h"
#include "twips.h"
#include "window.h"

#include <QFontInfo>
#include <QPointer>
#include <QResource>
#include <QSignalSpy>
#include <QTest>

namespace {

// A window with one label and a counter of how often it was built and loaded.
class SampleWindow : public Window {
public:
    SampleWindow() : Window(Frame::FixedSingle, 3000, 1500, Qt::black) {}

    QPointer<Label> label;
    int builds = 0;
    int loads = 0;
    int unloads = 0;
    int surfaceMoves = 0;

protected:
    void buildControls(QWidget *surface) override
    {
        ++builds;
        label =
            new Label(surface, QStringLiteral("design"),
                      {Fonts::formDefault(), Qt::white, true, Qt::AlignLeft}, 150, 300, 600, 195);
    }
    void onLoad() override
    {
        ++loads;
        label->setCaption(QStringLiteral("loaded"));
    }
    void onClose() override { ++unloads; }
    void onBareSurfaceMouseMove() override { ++surfaceMoves; }
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twipsToPixels_data();
    void twipsToPixels();
    void autoSizeLabelKeepsLeftAndTop();
    void labelPositionInTwips();
    void labelClickFiresOnReleaseInside();
    void movesOverALabelDoNotReachTheSurface();
    void buttonCarriesItsIndexAndTakesSpaceAndEnter();
    void timerRunsOnlyEnabledWithAnInterval();
    void timerIsPrecise();
    void windowIsBuiltAnewOnEveryLoad();
    void modalShowReturnsWhenClosed();
    void pictureTakesItsOwnSizeAndShares();
    void pictureLoadsTheSharpVariantWhenScaled();
    void hiddenLabelTakesTheSizeOfItsTextWhenShown();
    void hiddenPictureIsReadWhenFirstShown();
    void backgroundDecodedAtBuildTimeIsTheJpeg();
    void noTickOnceTheProgramIsEnding();
    void designFontsResolveToInstalledFaces_data();
    void designFontsResolveToInstalledFaces();
};

void ToolkitTest::twipsToPixels_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel") << 15.0f << 1;
    QTest::newRow("client width") << 8610.0f << 574;
    QTest::newRow("negative") << -240.0f << -16;
    QTest::newRow("rim up-left") << 350.0f << 23;
    QTest::newRow("rim centre") << 360.0f << 24;
    QTest::newRow("rim down-right") << 370.0f << 25;
    QTest::newRow("half a pixel") << 7.5f << 1;
}

void ToolkitTest::twipsToPixels()
{
    QFETCH(float, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

void ToolkitTest::autoSizeLabelKeepsLeftAndTop()
{
    QWidget parent;
    Label label(&parent, QStringLiteral("short"),
                {Fonts::formDefault(), Qt::white, true, Qt::AlignLeft}, 1500, 750, 300, 195);
    QCOMPARE(label.pos(), QPoint(100, 50));
    const int shortWidth = label.width();
    label.setCaption(QStringLiteral("a much longer text than before"));
    QCOMPARE(label.pos(), QPoint(100, 50));
    QVERIFY(label.width() > shortWidth);
    QCOMPARE(label.size(), label.sizeHint());
}

void ToolkitTest::labelPositionInTwips()
{
    QWidget parent;
    Label label(&parent, QStringLiteral("x"),
                {Fonts::formDefault(), Qt::white, false, Qt::AlignLeft}, 360, 360, 4455, 4575);
    QCOMPARE(label.size(), QSize(297, 305)); // a wrapping label keeps its design size
    label.setLeftTwips(label.leftTwips() - 10.0f);
    label.setTopTwips(label.topTwips() + 10.0f);
    QCOMPARE(label.leftTwips(), 350.0f);
    QCOMPARE(label.topTwips(), 370.0f);
    QCOMPARE(label.pos(), QPoint(23, 25));
}

void ToolkitTest::labelClickFiresOnReleaseInside()
{
    QWidget parent;
    Label label(&parent, QStringLiteral("click me"),
                {Fonts::formDefault(), Qt::white, true, Qt::AlignLeft}, 0, 0, 600, 195);
    parent.resize(200, 100);
    parent.show();
    QSignalSpy clicks(&label, &Label::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);

    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(label.width() + 20, 2));
    QCOMPARE(clicks.size(), 1); // released outside: no click

    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(clicks.size(), 1);
}

void ToolkitTest::movesOverALabelDoNotReachTheSurface()
{
    SampleWindow form;
    form.load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy labelMoves(form.label.data(), &Label::pointerMoved);
    QTest::mouseMove(form.label, QPoint(3, 3));
    QTRY_COMPARE(labelMoves.size(), 1);
    QCOMPARE(form.surfaceMoves, 0);
    QTest::mouseMove(form.surface(), QPoint(150, 80));
    QTRY_COMPARE(form.surfaceMoves, 1);
}

void ToolkitTest::buttonCarriesItsIndexAndTakesSpaceAndEnter()
{
    QWidget parent;
    Button button(&parent, 7, QStringLiteral("OK"), 0, 0, 975, 975);
    QSignalSpy clicks(&button, &Button::indexClicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter);
    QCOMPARE(clicks.size(), 4);
    for (const QList<QVariant> &click : clicks)
        QCOMPARE(click.at(0).toInt(), 7);
    button.setEnabled(false);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 4);
}

void ToolkitTest::timerRunsOnlyEnabledWithAnInterval()
{
    Timer timer(nullptr, 3, 1000, false);
    QVERIFY(!timer.isRunning());
    timer.setEnabled(true);
    QVERIFY(timer.isRunning());
    timer.setInterval(0);
    QVERIFY(timer.isEnabled());
    QVERIFY(!timer.isRunning()); // an interval of 0 never fires
    timer.setInterval(950);
    QVERIFY(timer.isRunning());
    timer.setEnabled(false);
    QVERIFY(!timer.isRunning());
    QCOMPARE(timer.interval(), 950);

    QSignalSpy ticks(&timer, &Timer::tick);
    timer.setEnabled(true);
    QTimerEvent due(timer.findChild<QTimer *>()->timerId()); // the tick that falls due
    QCoreApplication::sendEvent(timer.findChild<QTimer *>(), &due);
    QCOMPARE(ticks.size(), 1);
    QCOMPARE(ticks.first().at(0).toInt(), 3);
}

void ToolkitTest::timerIsPrecise()
{
    Timer timer(nullptr, 0, 1000, true);
    const QTimer *inner = timer.findChild<QTimer *>();
    QVERIFY(inner);
    QCOMPARE(inner->timerType(), Qt::PreciseTimer);
}

void ToolkitTest::windowIsBuiltAnewOnEveryLoad()
{
    SampleWindow form;
    form.showModeless();
    QCOMPARE(form.builds, 1);
    QCOMPARE(form.loads, 1);
    QCOMPARE(form.label->text(), QStringLiteral("loaded"));
    form.label->setCaption(QStringLiteral("changed"));
    form.showModeless(); // already loaded: nothing is rebuilt
    QCOMPARE(form.builds, 1);

    QPointer<Label> first = form.label;
    form.close();
    QCOMPARE(form.unloads, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull()); // the controls are dropped
    QVERIFY(!form.isLoaded());

    form.showModeless();
    QCOMPARE(form.builds, 2);
    QCOMPARE(form.loads, 2);
    QCOMPARE(form.label->text(), QStringLiteral("loaded"));
}

void ToolkitTest::modalShowReturnsWhenClosed()
{
    SampleWindow form;
    bool wasModal = false;
    QTimer::singleShot(0, &form, [&] {
        wasModal = QApplication::activeModalWidget() == &form;
        form.close();
    });
    form.showModal();
    QVERIFY(wasModal);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.isLoaded());
}

void ToolkitTest::pictureTakesItsOwnSizeAndShares()
{
    QWidget parent;
    Picture picture(&parent, -240, -480);
    QPixmap pixels(600, 400);
    pixels.fill(Qt::black);
    picture.setPicture(pixels);
    QCOMPARE(picture.geometry(), QRect(-16, -32, 600, 400));

    Picture other(&parent, 0, 0);
    other.setPicture(picture.picture());
    QCOMPARE(other.picture().cacheKey(), pixels.cacheKey());

    // The store hands every window the same background, read once.
    QCOMPARE(Pictures::background(1.0).cacheKey(), Pictures::background(1.0).cacheKey());
    QCOMPARE(Pictures::background(1.0).size(), QSize(600, 400));
}

void ToolkitTest::pictureLoadsTheSharpVariantWhenScaled()
{
    const QPixmap normal = Pictures::load(Pictures::PlayPath, 1.0);
    const QPixmap sharp = Pictures::load(Pictures::PlayPath, 2.0);
    QCOMPARE(normal.size(), QSize(103, 76));
    QCOMPARE(sharp.size(), QSize(206, 152));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(103, 76));
}

void ToolkitTest::noTickOnceTheProgramIsEnding()
{
    // A tick already due when the program starts ending must not reach the game.
    RecordingPlatform platform;
    Timer timer(nullptr, 0, 1000, true);
    QTimer *inner = timer.findChild<QTimer *>();
    QSignalSpy ticks(&timer, &Timer::tick);
    const auto fire = [inner] {
        QTimerEvent due(inner->timerId());
        QCoreApplication::sendEvent(inner, &due);
    };
    fire();
    QCOMPARE(ticks.size(), 1);
    platform.endProgram(Platform::FatalErrorStatus);
    fire();
    QCOMPARE(ticks.size(), 1);
    QVERIFY(!timer.isRunning());
}

void ToolkitTest::designFontsResolveToInstalledFaces_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("MS Sans Serif 13.5") << QString::fromLatin1(Fonts::SansSerif) << 13.5 << 18;
    QTest::newRow("MS Sans Serif 8.25") << QString::fromLatin1(Fonts::SansSerif) << 8.25 << 11;
    QTest::newRow("Comic Sans MS 27.75") << QString::fromLatin1(Fonts::Comic) << 27.75 << 37;
}

void ToolkitTest::designFontsResolveToInstalledFaces()
{
    QFETCH(QString, face);
    QFETCH(qreal, points);
    QFETCH(int, pixels);
    const QFont font = Fonts::design(qPrintable(face), points, true);
    const QFontInfo info(font);
    QVERIFY2(info.exactMatch() || info.family() != face, qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), pixels);
    QVERIFY(info.bold());
    // The Czech letters must come from the face itself.
    QVERIFY(QFontMetrics(font).inFontUcs4(U'ř'));
    QVERIFY(QFontMetrics(font).inFontUcs4(U'ů'));
}

void ToolkitTest::hiddenLabelTakesTheSizeOfItsTextWhenShown()
{
    QWidget surface;
    Label label(&surface, QString(), {Fonts::design(Fonts::Comic, 27.75, true), Qt::red, true}, 120,
                240, 600, 300);
    label.hide();
    label.setCaption(QStringLiteral("Konec hry"));
    QCOMPARE(label.pos(), QPoint(8, 16));
    surface.show();
    label.show();
    QCOMPARE(label.pos(), QPoint(8, 16));
    QCOMPARE(label.size(), label.sizeHint());
    QVERIFY(label.width() >= QFontMetrics(label.font()).horizontalAdvance(label.text()));
    label.setCaption(QStringLiteral("Konec")); // shown: at once
    QCOMPARE(label.size(), label.sizeHint());
}

void ToolkitTest::hiddenPictureIsReadWhenFirstShown()
{
    QWidget surface;
    surface.show();
    Picture picture(&surface, 0, 0);
    int reads = 0;
    picture.hide();
    picture.setPictureOnShow([&reads] {
        ++reads;
        return Pictures::play(1.0);
    });
    QCOMPARE(reads, 0);
    QVERIFY(picture.picture().isNull());
    picture.show();
    QCOMPARE(reads, 1);
    QCOMPARE(picture.size(), QSize(103, 76));
    QCOMPARE(picture.picture().cacheKey(), Pictures::play(1.0).cacheKey());
    picture.hide();
    picture.show();
    QCOMPARE(reads, 1);
}

void ToolkitTest::backgroundDecodedAtBuildTimeIsTheJpeg()
{
    const QImage unpacked = Pictures::loadImage(Pictures::BackgroundPath, 1.0);
    QCOMPARE(unpacked.size(), QSize(600, 400));
    QVERIFY(QResource(QStringLiteral(":/pictures/background.raw")).isValid());
    // Pixel for pixel what decoding the committed JPEG gives.
    const QImage decoded(Pictures::BackgroundPath);
    QCOMPARE(unpacked.convertToFormat(decoded.format()), decoded);
    QCOMPARE(Pictures::background(1.0).toImage().convertToFormat(decoded.format()), decoded);
}

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
