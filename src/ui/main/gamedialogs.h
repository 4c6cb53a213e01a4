// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

class AboutWindow;
class CommandMenu;
class HelpWindow;
class QWidget;
class ScoreKeeper;
class ScoreWindow;

namespace toolkit {
class Desktop;
class PictureStore;
} // namespace toolkit

// The game's dialogs, each made on first use as a child of the main window, for which it is
// transient: help and about, modal, which a new game's and quitting's keys reach from too, and
// the modeless score window.
class GameDialogs {
public:
    // Each uses what it is given for as long as it lives.
    GameDialogs(toolkit::Desktop &desktop, toolkit::PictureStore &pictures, ScoreKeeper &scores,
                const CommandMenu &commands, QWidget *mainWindow);

    HelpWindow &help();
    AboutWindow &about();
    ScoreWindow &score();
    // The score window, where it has been made.
    ScoreWindow *scoreIfMade() const { return m_score; }

    // At a new game: the window the command came from closes (a modal one shadows every
    // other), and the score window that names the finished game, keeping the name; a table
    // opened beside a game stays. Whether one closed.
    bool closeForNewGame(const QWidget *from);

private:
    toolkit::Desktop &m_desktop;
    toolkit::PictureStore &m_pictures;
    ScoreKeeper &m_scores;
    const CommandMenu &m_commands;
    QWidget *m_mainWindow;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_about;
    QPointer<ScoreWindow> m_score;
};
