// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop: records what the windows ask of it.
class RecordingDesktop : public toolkit::Desktop {
public:
    void playGameOverSound() override { ++sounds; }
    void announce(QWidget *widget) override { announced.append(widget); }
    void openWebAddress(const QUrl &address) override { openedAddresses.append(address); }
    void translateQtTexts() override {}

    int sounds = 0;
    QList<QWidget *> announced;
    QList<QUrl> openedAddresses;
    QList<int> endRequests;
    QStringList fatalErrors;

protected:
    void reportFatalError(const QString &message) override { fatalErrors.append(message); }
    void leave(int exitStatus) override { endRequests.append(exitStatus); }
};
