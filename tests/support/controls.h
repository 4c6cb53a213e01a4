// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Tests reach a window's controls the way a screen reader or a style sheet does: by object
// name, among the window's own children (a dialog's controls belong to the dialog).
template <typename T> T *control(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    if (!found)
        qFatal("no control %s on %s", qPrintable(name), window->metaObject()->className());
    return found;
}

// The main window's game keeps its timers, the title's within the title's typing.
inline QTimer *gameTimer(const QWidget *window, const QString &name)
{
    auto *timer = control<QObject>(window, QStringLiteral("game"))->findChild<QTimer *>(name);
    if (!timer)
        qFatal("no game timer %s", qPrintable(name));
    return timer;
}

// The one window of class T, if it has been created.
template <typename T> T *findWindow()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *found = qobject_cast<T *>(window))
            return found;
    }
    return nullptr;
}
