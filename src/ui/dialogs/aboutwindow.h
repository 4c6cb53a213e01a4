// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace toolkit {
class Desktop;
}

// The about window: the icon, the program's title, the credits, the web link and a request
// for donations. Only its title follows the user's language.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    // The link asks `desktop` to open the web address.
    AboutWindow(toolkit::Desktop &desktop, const QIcon &icon, QWidget *parent);

private:
    void openWebLink();

    toolkit::Desktop &m_desktop;
};
