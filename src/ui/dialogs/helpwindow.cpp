#include "helpwindow.h"

#include "colors.h"
#include "fonts.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "text/stringtable.h"

#include <QGuiApplication>

namespace {

// How far each rim copy stands from the rules text, diagonally.
constexpr float RimOffset = 10.0f;

// Rules text and its copies share size and font, so all five wrap into the same lines.
constexpr float RulesLeft = 360, RulesTop = 360, RulesWidth = 4455, RulesHeight = 4575;

struct RimCopy {
    const char *name;
    float dx, dy;
};
// From the back to the front, as they are built.
constexpr std::array<RimCopy, 4> RimCopies{{{"rimDownRight", RimOffset, RimOffset},
                                            {"rimDownLeft", -RimOffset, RimOffset},
                                            {"rimUpRight", RimOffset, -RimOffset},
                                            {"rimUpLeft", -RimOffset, -RimOffset}}};

QColor buttonText()
{
    return QGuiApplication::palette().color(QPalette::ButtonText);
}

QFont boldFont()
{
    return Fonts::design(Fonts::SansSerif, 9.75, true);
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : Window(Frame::FixedToolWindow, 5310, 5715, QColor(0x40, 0x40, 0x40), owner)
{
    closeOnEscape();
    setWindowTitle(loadText(TextId::Help));
    setWindowIcon(Pictures::applicationIcon());
}

void HelpWindow::buildControls(QWidget *surface)
{
    m_backgroundPicture = new Picture(surface, 0, 0);
    m_backgroundPicture->setObjectName(QStringLiteral("backgroundPicture"));

    const LabelStyle rim{boldFont(), buttonText(), false, Qt::AlignLeft | Qt::AlignTop};
    for (std::size_t i = 0; i < m_rim.size(); ++i) {
        m_rim[i] = new Label(surface, QString(), rim, RulesLeft, RulesTop, RulesWidth, RulesHeight);
        m_rim[i]->setObjectName(QLatin1String(RimCopies[i].name));
    }
    m_rulesText = new Label(surface, QString(),
                            {boldFont(), Colors::White, false, Qt::AlignLeft | Qt::AlignTop},
                            RulesLeft, RulesTop, RulesWidth, RulesHeight);
    m_rulesText->setObjectName(QStringLiteral("rulesText"));

    const LabelStyle dark{boldFont(), buttonText(), true, Qt::AlignLeft | Qt::AlignTop};
    m_closingWish = new Label(surface, QString(), dark, 840, 2520, 1920, 240);
    m_closingWish->setObjectName(QStringLiteral("closingWish"));
    auto *signature = new Label(surface, QStringLiteral("kaludnik"), dark, 1920, 2760, 525, 240);
    signature->setObjectName(QStringLiteral("signature"));
    auto *designCredit =
        new Label(surface, QStringLiteral("Design: kaludnik 2026"),
                  {Fonts::formDefault(), Colors::White, true, Qt::AlignLeft | Qt::AlignTop}, 3360,
                  5280, 1665, 195);
    designCredit->setObjectName(QStringLiteral("designCredit"));
}

void HelpWindow::onLoad()
{
    setWindowTitle(loadText(TextId::Help));
    m_backgroundPicture->setPicture(Pictures::background(devicePixelRatioF()));
    // Every label is transparent already, so the picture shows between the letters.
    m_rulesText->setCaption(loadText(TextId::Rules));
    m_closingWish->setCaption(loadText(TextId::ClosingWish));

    // Each copy is placed from the rules text anew, never from another copy, so every loading
    // gives the same rim.
    for (std::size_t i = 0; i < m_rim.size(); ++i) {
        m_rim[i]->setCaption(m_rulesText->caption());
        m_rim[i]->setLeftTwips(m_rulesText->leftTwips() + RimCopies[i].dx);
        m_rim[i]->setTopTwips(m_rulesText->topTwips() + RimCopies[i].dy);
    }
}
