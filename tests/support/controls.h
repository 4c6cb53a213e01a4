#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <utility>

// Tests reach a window's controls the way a screen reader or a style sheet does: by object
// name. A control belongs to the window whose surface it is built on, never to a dialog that
// the window happens to own.

// The window that `object` is built on, and whether it lies on a surface that an unload has
// hidden and will drop.
inline std::pair<QWidget *, bool> owningWindow(const QObject *object)
{
    bool dropped = false;
    for (QObject *up = object->parent(); up; up = up->parent()) {
        auto *widget = qobject_cast<QWidget *>(up);
        if (widget && widget->isWindow())
            return {widget, dropped};
        dropped = dropped || (widget && widget->isHidden());
    }
    return {nullptr, dropped};
}

// The control named `name` on `window`, preferring the loaded one to one that a closing has
// dropped; a test that asks for a control that is not there fails at once.
template <typename T> T *control(const QWidget *window, const QString &name)
{
    T *dropped = nullptr;
    const QList<T *> found = window->findChildren<T *>(name);
    for (T *candidate : found) {
        const auto [owner, isDropped] = owningWindow(candidate);
        if (owner != window)
            continue;
        if (!isDropped)
            return candidate;
        dropped = candidate;
    }
    if (dropped)
        return dropped;
    qFatal("no control %s on %s", qPrintable(name), window->metaObject()->className());
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
