// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "colors.h"
#include "design.h"
#include "guard.h"
#include "label.h"
#include "picture.h"

#include <QUrl>

namespace {

using toolkit::ControlKind;
using toolkit::ControlName;
using toolkit::ControlSpec;
using toolkit::TextColor;
using toolkit::TopLeft;
namespace fonts = toolkit::fonts;

constexpr ControlName<toolkit::Picture> Icon{"icon"};
constexpr ControlName<toolkit::Label> WebLink{"webLink"};

constexpr int IconSize = 32;

// The maker's web address, host only: the link shows it and its click opens it.
constexpr char WebHost[] = "kaludnik.example.org";

// From the top of the window down, in twips; none overlaps another. The texts are the maker's
// own and Czech in every language.
constexpr ControlSpec Controls[] = {
    {Icon.name,
     ControlKind::Picture,
     {120, 120, 480, 480},
     fonts::WindowText,
     TextColor::System,
     TopLeft,
     nullptr},
    {"programTitle",
     ControlKind::Text,
     {840, 120, 1065, 240},
     fonts::BoldText,
     TextColor::White,
     TopLeft,
     "Ka ludnik"},
    {"authorCredit",
     ControlKind::Text,
     {840, 480, 3210, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     "Vytvořil Ka ludnik team; team@example.org"},
    {"rightsNotice",
     ControlKind::Text,
     {840, 720, 2340, 195},
     fonts::WindowText,
     TextColor::White,
     TopLeft,
     "Copyright © 2026 Ka ludnik team"},
    {WebLink.name,
     ControlKind::Text,
     {840, 1080, 1710, 240},
     fonts::BoldText,
     TextColor::White,
     TopLeft,
     WebHost},
    {"donationRequest",
     ControlKind::FixedText,
     {120, 1680, 4485, 675},
     fonts::WindowText,
     TextColor::Red,
     TopLeft,
     "Chcete-li autorovi poděkovat za napsání tohoto programu, pošlete libovolnou částku na "
     "účet 000000-0000000000/0000. Děkuji, kaludnik"},
};

} // namespace

AboutWindow::AboutWindow(toolkit::Desktop &desktop, const QIcon &icon, QWidget *parent)
    : QDialog(parent, toolkit::frames::FixedTool), m_desktop(desktop)
{
    toolkit::applyDesign(this, {4590, 2490, toolkit::colors::Black, false});
    setWindowTitle(tr("About"));
    setWindowIcon(icon);
    toolkit::buildControls(this, Controls);
    toolkit::builtControl(this, Icon)->setPicture([icon](qreal ratio) {
        return icon.pixmap(QSize(IconSize, IconSize), ratio);
    });
    toolkit::connectGuarded(m_desktop, toolkit::builtControl(this, WebLink),
                            &toolkit::Label::clicked, this, &AboutWindow::openWebLink);
}

void AboutWindow::openWebLink()
{
    // Fire and forget: whether a browser opened is not reported, and the window stays as it is.
    m_desktop.openWebAddress(QUrl(QStringLiteral("https://") + QLatin1String(WebHost)));
}
