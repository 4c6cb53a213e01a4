#include "form4.h"

#include "ui/toolkit/button.h"
#include "ui/toolkit/colors.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/twips.h"

#include <QLineEdit>

namespace {

// The placeholder rows stand this far apart.
constexpr float RowPitch = 360;

} // namespace

Form4::Form4() : Form(Frame::Sizable, 4560, 2550, Qt::black)
{
    setWindowTitle(QStringLiteral("Skóre"));
}

void Form4::buildControls(QWidget *surface)
{
    const LabelStyle placeholder{Fonts::formDefault(), Colors::White, true,
                                 Qt::AlignLeft | Qt::AlignTop};
    Label *rows[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
    for (int row = 0; row < 5; ++row)
        rows[row] = new Label(surface, QStringLiteral("Label1"), placeholder, 120,
                              120 + RowPitch * float(row), 480, 195);
    Label1 = rows[0];
    Label2 = rows[1];
    Label3 = rows[2];
    Label4 = rows[3];
    Label5 = rows[4];

    Text1 = new QLineEdit(QStringLiteral("Zadej jméno"), surface);
    Text1->setGeometry(Twips::rect(120, 2040, 1335, 300));
    Text1->setFont(Fonts::design(Fonts::SansSerif, 8.25, true));

    Command1 = new Button(surface, 0, QStringLiteral("OK"), 1560, 2040, 1335, 310);
    setTabOrder(Text1, Command1);

    Label6 = new Label(surface, QStringLiteral("Zavřít"),
                       {Fonts::design(Fonts::SansSerif, 12, true), Colors::White, false,
                        Qt::AlignLeft | Qt::AlignTop},
                       3480, 2040, 735, 255);
    connect(Label6, &Label::mouseMoved, this, &Form4::Label6_MouseMove);
    connect(Label6, &Label::clicked, this, &Form4::Label6_Click);
}

void Form4::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    Label6->setTextColor(Colors::White);
}

void Form4::Label6_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    Label6->setTextColor(Colors::Red);
}

void Form4::Label6_Click()
{
    Unload();
}
