#pragma once

#include "platform.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop while it is alive: records what the windows ask of it.
class RecordingPlatform : public Platform {
public:
    RecordingPlatform() : m_previous(Platform::install(this)) {}
    ~RecordingPlatform() override { Platform::install(m_previous); }
    RecordingPlatform(const RecordingPlatform &) = delete;
    RecordingPlatform &operator=(const RecordingPlatform &) = delete;

    void beep() override { ++beeps; }
    void announce(QWidget *widget) override { announced.append(widget); }
    void openUrl(const QUrl &url) override { openedUrls.append(url); }
    void endProgram(int exitStatus) override { endRequests.append(exitStatus); }
    void reportFatalError(const QString &message) override { fatalErrors.append(message); }
    bool isEnding() const override { return !endRequests.isEmpty(); }

    int beeps = 0;
    QList<QWidget *> announced;
    QList<QUrl> openedUrls;
    QList<int> endRequests;
    QStringList fatalErrors;

private:
    Platform *m_previous;
};
