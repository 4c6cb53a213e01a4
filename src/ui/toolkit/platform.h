#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Everything the windows ask of the desktop. The program runs on QtPlatform; tests install a
// recording one and observe beeps, addresses opened and requests to end.
class Platform {
public:
    // The exit status of a program that ended on an error it could not go on from.
    static constexpr int FatalErrorStatus = 1;

    virtual ~Platform() = default;

    virtual void beep() = 0;
    // Tells screen readers that `widget`, just shown, needs the user's attention.
    virtual void announce(QWidget *widget) = 0;
    // Fire and forget: whether the desktop managed to open it is not reported.
    virtual void openUrl(const QUrl &url) = 0;
    // Ends the program at once: every window closes, and no further handler runs.
    virtual void endProgram(int exitStatus) = 0;
    // Tells the user about an error that the program cannot go on from.
    virtual void reportFatalError(const QString &message) = 0;
    // True once the program is on its way out: events still queued are dropped.
    virtual bool isEnding() const = 0;

    // The fatal path: reports `message`, then ends the program with FatalErrorStatus.
    void fail(const QString &message);

    static Platform &current();
    // Makes `platform` current and returns the one it replaces; nullptr restores QtPlatform.
    static Platform *install(Platform *platform);
};

class QtPlatform : public Platform {
public:
    void beep() override;
    void announce(QWidget *widget) override;
    void openUrl(const QUrl &url) override;
    void endProgram(int exitStatus) override;
    void reportFatalError(const QString &message) override;
    bool isEnding() const override { return m_ending; }

private:
    void hideAllWindows();

    bool m_ending = false;
};
