// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "commandmenu.h"

#include "guard.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

// The commands in the menu's order. A new game and quitting reach from every window of the
// game; the others from the main window.
struct CommandEntry {
    const char *name;
    const char *text;
    QKeyCombination key;
    QKeyCombination otherKey;
    Qt::ShortcutContext reach;
    bool checkable;
};
constexpr QKeyCombination NoKey{};
constexpr CommandEntry Commands[CommandMenu::CommandCount] = {
    {"newGameAction", QT_TRANSLATE_NOOP("MainWindow", "New Game"), Qt::CTRL | Qt::Key_N, NoKey,
     Qt::ApplicationShortcut, false},
    {"pauseAction", QT_TRANSLATE_NOOP("MainWindow", "Pause"), Qt::Key_P, Qt::Key_Pause,
     Qt::WindowShortcut, true},
    {"bestResultsAction", QT_TRANSLATE_NOOP("MainWindow", "Best Results"), Qt::CTRL | Qt::Key_H,
     NoKey, Qt::WindowShortcut, false},
    {"soundAction", QT_TRANSLATE_NOOP("MainWindow", "Sound"), Qt::Key_M, NoKey, Qt::WindowShortcut,
     true},
    {"helpAction", QT_TRANSLATE_NOOP("MainWindow", "Help"), Qt::Key_F1, NoKey, Qt::WindowShortcut,
     false},
    {"aboutAction", QT_TRANSLATE_NOOP("MainWindow", "About"), NoKey, NoKey, Qt::WindowShortcut,
     false},
    {"quitAction", QT_TRANSLATE_NOOP("MainWindow", "Quit"), Qt::CTRL | Qt::Key_Q, NoKey,
     Qt::ApplicationShortcut, false},
};

} // namespace

CommandMenu::CommandMenu(toolkit::Desktop &desktop, QWidget *window, const Handlers &handlers)
    : QObject(window), m_menu(new QMenu(window))
{
    for (int i = 0; i < CommandCount; ++i) {
        const CommandEntry &entry = Commands[i];
        auto *command = new QAction(QCoreApplication::translate("MainWindow", entry.text), window);
        command->setObjectName(QLatin1String(entry.name));
        QList<QKeySequence> keys;
        for (const QKeyCombination key : {entry.key, entry.otherKey}) {
            if (key != NoKey)
                keys.append(key);
        }
        command->setShortcuts(keys);
        command->setShortcutContext(entry.reach);
        command->setCheckable(entry.checkable);
        toolkit::connectGuarded(desktop, command, &QAction::triggered, this,
                                handlers[std::size_t(i)]);
        window->addAction(command);
        if (i == BestResults || i == Help || i == Quit)
            m_menu->addSeparator();
        m_menu->addAction(command);
        m_commands[std::size_t(i)] = command;
    }
    connect(m_menu, &QMenu::aboutToShow, this, &CommandMenu::opened);
    // Qt runs the command chosen after the menu hides.
    connect(m_menu, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(this, &CommandMenu::closed, Qt::QueuedConnection);
    });
}

void CommandMenu::popup(const QPoint &globalPosition)
{
    m_menu->popup(globalPosition);
}

void CommandMenu::reachFrom(QWidget *window) const
{
    window->addActions({command(NewGame), command(Quit)});
}
