// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "../support/controls.h"
#include "design.h"
#include "fonts.h"
#include "gridkeys.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "process.h"
#include "pushbutton.h"
#include "twips.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace toolkit;

namespace {

constexpr FontSpec Small{fonts::SansSerif, 8.25, false};

// A window with one control of each kind, as a design table describes them.
constexpr ControlSpec Sample[] = {
    {"text",
     ControlKind::Text,
     {1500, 750, 300, 195},
     Small,
     TextColor::White,
     Qt::AlignLeft,
     "short"},
    {"wrapped",
     ControlKind::FixedText,
     {360, 360, 4455, 4575},
     Small,
     TextColor::ButtonText,
     Qt::AlignLeft,
     "x"},
    {"button",
     ControlKind::Button,
     {0, 2000, 975, 975},
     Small,
     TextColor::System,
     Qt::AlignLeft,
     "OK"},
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { process::prepare(); }
    void labelsSizeThemselvesOrWrap();
    void labelClickFiresOnReleaseInside();
    void buttonTakesSpaceAndEnter();
    void pictureTakesItsOwnSizeAndShares();
    void hiddenLabelTakesTheSizeOfItsTextWhenShown();
    void gridKeysByPlace_data();
    void gridKeysByPlace();
};

void ToolkitTest::labelsSizeThemselvesOrWrap()
{
    QWidget window;
    buildControls(&window, Sample);
    auto *text = control<Label>(&window, "text");
    QCOMPARE(text->pos(), QPoint(100, 50));
    const int shortWidth = text->width();
    text->showText(QStringLiteral("a much longer text than before"));
    QCOMPARE(text->pos(), QPoint(100, 50)); // grows from its left and top
    QVERIFY(text->width() > shortWidth);
    QCOMPARE(text->size(), text->sizeHint());

    auto *wrapped = control<Label>(&window, "wrapped");
    QCOMPARE(wrapped->size(), QSize(297, 305)); // keeps its design size
    wrapped->moveToTwips(wrapped->leftTwips() - 10.0f, wrapped->topTwips() + 10.0f);
    QCOMPARE(wrapped->pos(), QPoint(23, 25));
    QCOMPARE(wrapped->palette().color(QPalette::WindowText),
             QGuiApplication::palette().color(QPalette::ButtonText));
    QVERIFY(wrapped->testAttribute(Qt::WA_TranslucentBackground));
}

void ToolkitTest::labelClickFiresOnReleaseInside()
{
    QWidget window;
    buildControls(&window, Sample);
    auto *label = control<Label>(&window, "text");
    window.resize(200, 100);
    window.show();
    QSignalSpy clicks(label, &Label::clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);

    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, 2));
    QCOMPARE(clicks.size(), 1); // released outside: no click

    QTest::mouseClick(label, Qt::RightButton);
    QCOMPARE(clicks.size(), 1);
}

void ToolkitTest::buttonTakesSpaceAndEnter()
{
    QWidget window;
    buildControls(&window, Sample);
    auto *button = control<PushButton>(&window, "button");
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QCOMPARE(clicks.size(), 4);
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.size(), 4);
}

void ToolkitTest::pictureTakesItsOwnSizeAndShares()
{
    // Hidden, a picture is not read; drawn, it is read for the ratio of what it is drawn on.
    QWidget surface;
    Picture picture({-240, -480, 9000, 6000}, &surface);
    QPixmap pixels(600, 400);
    pixels.fill(Qt::black);
    QList<qreal> asked;
    picture.hide();
    picture.setPicture([&](qreal ratio) {
        asked << ratio;
        return pixels;
    });
    surface.show();
    QVERIFY(asked.isEmpty());
    picture.show();
    QCOMPARE(picture.geometry(), QRect(-16, -32, 600, 400));
    QImage sharp(surface.size() * 2, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2);
    surface.render(&sharp);
    QCOMPARE(asked.last(), 2.0);

    // The store hands every window the same background, read once.
    PictureStore store;
    QCOMPARE(store.background(1.0).cacheKey(), store.background(1.0).cacheKey());
    QCOMPARE(store.background(1.0).size(), QSize(600, 400));
}

void ToolkitTest::hiddenLabelTakesTheSizeOfItsTextWhenShown()
{
    QWidget surface;
    Label label({120, 240, 600, 300}, true, &surface);
    label.setFont(fonts::font({fonts::Comic, 27.75, true}));
    label.hide();
    label.showText(QStringLiteral("Konec hry"));
    QCOMPARE(label.pos(), QPoint(8, 16));
    surface.show();
    label.show();
    QCOMPARE(label.pos(), QPoint(8, 16));
    QCOMPARE(label.size(), label.sizeHint());
    label.showText(QStringLiteral("Konec")); // shown: at once
    QCOMPARE(label.size(), label.sizeHint());
}

void ToolkitTest::gridKeysByPlace_data()
{
    // What the window system reports for a key: its place (X11 and Wayland: evdev code + 8),
    // what Qt makes of it in the layout in use, and the cell it plays.
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("place");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("US Q, top left") << 24u << int(Qt::Key_Q) << none << 0;
    QTest::newRow("US C, bottom right") << 54u << int(Qt::Key_C) << none << 8;
    QTest::newRow("Czech Y, bottom left") << 52u << int(Qt::Key_Y) << none << 6;
    QTest::newRow("Czech Z, not in the block") << 29u << int(Qt::Key_Z) << none << -1;
    QTest::newRow("French A, top left") << 24u << int(Qt::Key_A) << none << 0;
    QTest::newRow("French Q, middle left") << 38u << int(Qt::Key_Q) << none << 3;
    QTest::newRow("keypad 7, Num Lock on") << 79u << int(Qt::Key_7) << keypad << 0;
    QTest::newRow("keypad 7, Num Lock off") << 79u << int(Qt::Key_Home) << keypad << 0;
    QTest::newRow("keypad 3, Wayland") << 89u << int(Qt::Key_3) << none << 8;
    QTest::newRow("keypad 5 without its place") << 0u << int(Qt::Key_Clear) << keypad << 4;
    QTest::newRow("digit 7 of the main keys") << 16u << int(Qt::Key_7) << none << -1;
    QTest::newRow("Ctrl+Q quits instead")
        << 24u << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier) << -1;
}

void ToolkitTest::gridKeysByPlace()
{
    QFETCH(quint32, scanCode);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, place);
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0);
    QCOMPARE(GridKeys::placeOf(event), place);
}

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
