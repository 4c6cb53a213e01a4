// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace toolkit {
class Desktop;
}

// The game's commands, each an action of the main window with its keys by the desktop's
// conventions, and the menu that lists them with their keys. While the menu is open it holds
// the game: it says when it opens, and when it has closed and the command chosen in it, if any,
// has run.
class CommandMenu : public QObject {
    Q_OBJECT

public:
    // In the menu's order.
    enum Command { NewGame, PauseGame, BestResults, Sound, Help, About, Quit, CommandCount };
    using Handlers = std::array<std::function<void()>, CommandCount>;

    // Each command runs its handler inside `desktop`'s handler boundary.
    CommandMenu(toolkit::Desktop &desktop, QWidget *window, const Handlers &handlers);

    QAction *command(Command command) const { return m_commands[std::size_t(command)]; }
    void popup(const QPoint &globalPosition);
    // A modal window shadows the main window's keys: a new game and quitting reach from
    // `window` too.
    void reachFrom(QWidget *window) const;

Q_SIGNALS:
    void opened();
    void closed();

private:
    QMenu *m_menu;
    std::array<QAction *, CommandCount> m_commands{};
};
