// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `action` and closes every modal window that opens during it, counting them, so that a
// test never hangs in a modal loop. `whileOpen` runs inside each modal window's loop.
inline int modalWindowsOpenedBy(const std::function<void()> &action,
                                const std::function<void(QWidget *)> &whileOpen = {})
{
    int opened = 0;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++opened;
            if (whileOpen)
                whileOpen(modal);
            modal->close();
        }
    });
    closer.start();
    action();
    closer.stop();
    return opened;
}
