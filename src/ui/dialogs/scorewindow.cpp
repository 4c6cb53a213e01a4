#include "scorewindow.h"

#include "button.h"
#include "colors.h"
#include "fonts.h"
#include "handlers.h"
#include "label.h"
#include "twips.h"

#include <QLineEdit>

namespace {

// The rows stand this far apart.
constexpr float RowPitch = 360;
constexpr int RowCount = 5;

} // namespace

ScoreWindow::ScoreWindow(QWidget *owner) : Window(Frame::Sizable, 4560, 2550, Qt::black, owner)
{
    closeOnEscape();
    setWindowTitle(QStringLiteral("Skóre"));
}

void ScoreWindow::buildControls(QWidget *surface)
{
    const LabelStyle rowStyle{Fonts::formDefault(), Colors::White, true,
                              Qt::AlignLeft | Qt::AlignTop};
    for (int row = 0; row < RowCount; ++row) {
        auto *label = new Label(surface, QStringLiteral("Label1"), rowStyle, 120,
                                120 + RowPitch * float(row), 480, 195);
        label->setObjectName(QStringLiteral("scoreRow%1").arg(row));
    }

    auto *nameBox = new QLineEdit(QStringLiteral("Zadej jméno"), surface);
    nameBox->setObjectName(QStringLiteral("nameBox"));
    nameBox->setGeometry(Twips::rect(120, 2040, 1335, 300));
    nameBox->setFont(Fonts::design(Fonts::SansSerif, 8.25, true));

    auto *okButton = new Button(surface, 0, QStringLiteral("OK"), 1560, 2040, 1335, 310);
    okButton->setObjectName(QStringLiteral("okButton"));
    setTabOrder(nameBox, okButton);

    m_closeLabel = new Label(surface, QStringLiteral("Zavřít"),
                             {Fonts::design(Fonts::SansSerif, 12, true), Colors::White, false,
                              Qt::AlignLeft | Qt::AlignTop},
                             3480, 2040, 735, 255);
    m_closeLabel->setObjectName(QStringLiteral("closeLabel"));
    Handlers::connect(m_closeLabel, &Label::pointerMoved, this, &ScoreWindow::lightCloseLabel);
    Handlers::connect(m_closeLabel, &Label::clicked, this, &ScoreWindow::closeWindow);
}

void ScoreWindow::onBareSurfaceMouseMove()
{
    m_closeLabel->setTextColor(Colors::White);
}

void ScoreWindow::lightCloseLabel()
{
    m_closeLabel->setTextColor(Colors::Red);
}

void ScoreWindow::closeWindow()
{
    unload();
}
