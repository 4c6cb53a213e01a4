#include "form3.h"

#include "text/stringtable.h"
#include "ui/main/pictures.h"
#include "ui/toolkit/colors.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/platform.h"

#include <QUrl>

namespace {

constexpr int IconSize = 32;

// The maker's web address, host only: Label4 shows it and its click opens it.
QString webHost()
{
    return QStringLiteral("kaludnik.example.org");
}

LabelStyle boldStyle()
{
    return {Fonts::design(Fonts::SansSerif, 9.75, true), Colors::White, true,
            Qt::AlignLeft | Qt::AlignTop};
}

LabelStyle plainStyle()
{
    return {Fonts::formDefault(), Colors::White, true, Qt::AlignLeft | Qt::AlignTop};
}

} // namespace

Form3::Form3() : Form(Frame::FixedToolWindow, 4590, 2490, Qt::black)
{
    setWindowTitle(QStringLiteral("O hře"));
    setWindowIcon(Pictures::applicationIcon());
}

void Form3::buildControls(QWidget *surface)
{
    Image1 = new Picture(surface, 120, 120);
    Label1 = new Label(surface, QStringLiteral("Ka ludnik"), boldStyle(), 840, 120, 1065, 240);
    Label2 = new Label(surface, QStringLiteral("Vytvořil Ka ludnik team; team@example.org"),
                       plainStyle(), 840, 480, 3210, 195);
    Label3 = new Label(surface, QStringLiteral("Copyright © 2026 Ka ludnik team"), plainStyle(),
                       840, 720, 2340, 195);
    Label4 = new Label(surface, webHost(), boldStyle(), 840, 1080, 1710, 240);
    Label7 = new Label(surface,
                       QStringLiteral("Chcete-li autorovi poděkovat za napsání tohoto programu, "
                                      "pošlete libovolnou částku na účet 000000-0000000000/0000. "
                                      "Děkuji, kaludnik"),
                       {Fonts::formDefault(), Colors::Red, false, Qt::AlignLeft | Qt::AlignTop},
                       120, 1680, 4485, 675);

    connect(Label4, &Label::clicked, this, &Form3::Label4_Click);
}

void Form3::Form_Load()
{
    setWindowTitle(LoadText(1003));
    Image1->setPicture(windowIcon().pixmap(QSize(IconSize, IconSize), devicePixelRatioF()));
}

void Form3::Label4_Click()
{
    // Fire and forget: whether a browser opened is not reported, and the window stays as it is.
    Platform::current().openUrl(QUrl(QStringLiteral("https://") + webHost()));
}
