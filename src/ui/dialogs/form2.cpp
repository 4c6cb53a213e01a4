#include "form2.h"

#include "text/stringtable.h"
#include "ui/main/form1.h"
#include "ui/main/pictures.h"
#include "ui/toolkit/colors.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"

#include <QGuiApplication>

namespace {

// How far each rim copy stands from the rules text, diagonally.
constexpr float RimOffset = 10.0f;

// Rules text and its copies share size and font, so all five wrap into the same lines.
constexpr float RulesLeft = 360, RulesTop = 360, RulesWidth = 4455, RulesHeight = 4575;

QColor buttonText()
{
    return QGuiApplication::palette().color(QPalette::ButtonText);
}

QFont boldFont()
{
    return Fonts::design(Fonts::SansSerif, 9.75, true);
}

} // namespace

Form2::Form2(Form1 &form1)
    : Form(Frame::FixedToolWindow, 5310, 5715, QColor(0x40, 0x40, 0x40)), m_form1(form1)
{
    setWindowTitle(QStringLiteral("Nápověda"));
    setWindowIcon(Pictures::applicationIcon());
}

void Form2::buildControls(QWidget *surface)
{
    Image1 = new Picture(surface, 0, 0);

    const LabelStyle rim{boldFont(), buttonText(), false, Qt::AlignLeft | Qt::AlignTop};
    Label1 = new Label(surface, QStringLiteral("Label1"), rim, RulesLeft, RulesTop, RulesWidth,
                       RulesHeight);
    Label2 = new Label(surface, QStringLiteral("Label2"), rim, RulesLeft, RulesTop, RulesWidth,
                       RulesHeight);
    Label3 = new Label(surface, QStringLiteral("Label3"), rim, RulesLeft, RulesTop, RulesWidth,
                       RulesHeight);
    Label4 = new Label(surface, QStringLiteral("Label4"), rim, RulesLeft, RulesTop, RulesWidth,
                       RulesHeight);
    Label5 = new Label(surface, QStringLiteral("Label5"),
                       {boldFont(), Colors::White, false, Qt::AlignLeft | Qt::AlignTop}, RulesLeft,
                       RulesTop, RulesWidth, RulesHeight);

    const LabelStyle dark{boldFont(), buttonText(), true, Qt::AlignLeft | Qt::AlignTop};
    Label6 = new Label(surface, QStringLiteral("Label6"), dark, 840, 2520, 1920, 240);
    Label7 = new Label(surface, QStringLiteral("kaludnik"), dark, 1920, 2760, 525, 240);
    Label8 = new Label(surface, QStringLiteral("Design: kaludnik 2026"),
                       {Fonts::formDefault(), Colors::White, true, Qt::AlignLeft | Qt::AlignTop},
                       3360, 5280, 1665, 195);
}

void Form2::Form_Load()
{
    setWindowTitle(LoadText(1002));
    Image1->setPicture(m_form1.Image1->picture());
    // Every label is transparent already, so the picture shows between the letters.
    Label5->setCaption(LoadText(101));
    Label6->setCaption(LoadText(1013));

    // Each copy is placed from the rules text anew, never from another copy, so every loading
    // gives the same rim.
    struct Copy {
        Label *label;
        float dx, dy;
    };
    for (const Copy &copy :
         {Copy{Label4, -RimOffset, -RimOffset}, Copy{Label3, RimOffset, -RimOffset},
          Copy{Label2, -RimOffset, RimOffset}, Copy{Label1, RimOffset, RimOffset}}) {
        copy.label->setCaption(Label5->caption());
        copy.label->setLeftTwips(Label5->leftTwips() + copy.dx);
        copy.label->setTopTwips(Label5->topTwips() + copy.dy);
    }
}
