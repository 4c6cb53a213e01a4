// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "gamedialogs.h"

#include "aboutwindow.h"
#include "commandmenu.h"
#include "helpwindow.h"
#include "pictures.h"
#include "scorewindow.h"

#include <array>

GameDialogs::GameDialogs(toolkit::Desktop &desktop, toolkit::PictureStore &pictures,
                         ScoreKeeper &scores, const CommandMenu &commands, QWidget *mainWindow)
    : m_desktop(desktop), m_pictures(pictures), m_scores(scores), m_commands(commands),
      m_mainWindow(mainWindow)
{
}

HelpWindow &GameDialogs::help()
{
    if (!m_help) {
        m_help = new HelpWindow(m_pictures, m_mainWindow);
        m_commands.reachFrom(m_help);
    }
    return *m_help;
}

AboutWindow &GameDialogs::about()
{
    if (!m_about) {
        m_about = new AboutWindow(m_desktop, m_pictures.applicationIcon(), m_mainWindow);
        m_commands.reachFrom(m_about);
    }
    return *m_about;
}

ScoreWindow &GameDialogs::score()
{
    if (!m_score)
        m_score = new ScoreWindow(m_desktop, m_scores, m_mainWindow);
    return *m_score;
}

bool GameDialogs::closeForNewGame(const QWidget *from)
{
    const std::array<QDialog *, 3> windows{m_help, m_about, m_score};
    bool closed = false;
    for (QDialog *window : windows) {
        if (window && window->isVisible() &&
            (window == from || window->isModal() || (window == m_score && m_score->isNaming()))) {
            window->close();
            closed = true;
        }
    }
    return closed;
}
