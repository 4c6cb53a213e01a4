#include "aboutwindow.h"

#include "appinfo.h"
#include "colors.h"
#include "fonts.h"
#include "handlers.h"
#include "label.h"
#include "picture.h"
#include "pictures.h"
#include "platform.h"
#include "text/stringtable.h"

#include <QUrl>

namespace {

constexpr int IconSize = 32;

// The maker's web address, host only: the link shows it and its click opens it.
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

AboutWindow::AboutWindow(QWidget *owner)
    : Window(Frame::FixedToolWindow, 4590, 2490, Qt::black, owner)
{
    closeOnEscape();
    setWindowTitle(loadText(TextId::About));
    setWindowIcon(Pictures::applicationIcon());
}

void AboutWindow::buildControls(QWidget *surface)
{
    // The texts are the maker's own and Czech in both languages.
    m_icon = new Picture(surface, 120, 120);
    m_icon->setObjectName(QStringLiteral("icon"));
    auto *programTitle = new Label(surface, QString::fromUtf8(AppInfo::DisplayName), boldStyle(),
                                   840, 120, 1065, 240);
    programTitle->setObjectName(QStringLiteral("programTitle"));
    auto *authorCredit =
        new Label(surface, QStringLiteral("Vytvořil Ka ludnik team; team@example.org"),
                  plainStyle(), 840, 480, 3210, 195);
    authorCredit->setObjectName(QStringLiteral("authorCredit"));
    auto *rightsNotice = new Label(surface, QStringLiteral("Copyright © 2026 Ka ludnik team"),
                                   plainStyle(), 840, 720, 2340, 195);
    rightsNotice->setObjectName(QStringLiteral("rightsNotice"));
    auto *webLink = new Label(surface, webHost(), boldStyle(), 840, 1080, 1710, 240);
    webLink->setObjectName(QStringLiteral("webLink"));
    auto *donationRequest =
        new Label(surface,
                  QStringLiteral("Chcete-li autorovi poděkovat za napsání tohoto programu, "
                                 "pošlete libovolnou částku na účet 000000-0000000000/0000. "
                                 "Děkuji, kaludnik"),
                  {Fonts::formDefault(), Colors::Red, false, Qt::AlignLeft | Qt::AlignTop}, 120,
                  1680, 4485, 675);
    donationRequest->setObjectName(QStringLiteral("donationRequest"));

    Handlers::connect(webLink, &Label::clicked, this, &AboutWindow::openWebLink);
}

void AboutWindow::onLoad()
{
    setWindowTitle(loadText(TextId::About));
    m_icon->setPicture(windowIcon().pixmap(QSize(IconSize, IconSize), devicePixelRatioF()));
}

void AboutWindow::openWebLink()
{
    // Fire and forget: whether a browser opened is not reported, and the window stays as it is.
    Platform::current().openUrl(QUrl(QStringLiteral("https://") + webHost()));
}
