// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "themesound.h"

#include <QString>
#include <QTranslator>
#include <QUrl>

class QWidget;

namespace toolkit {

// What the windows ask of the desktop. The application makes one and hands it to the windows
// that need it; tests hand in one that records.
class Desktop {
public:
    Desktop() = default;
    virtual ~Desktop() = default;
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;

    // The exit status of a program that ended on an error it could not go on from.
    static constexpr int FatalErrorStatus = 1;

    virtual void playGameOverSound() = 0;
    // Tells screen readers that `widget`, just shown, needs the user's attention.
    virtual void announce(QWidget *widget) = 0;
    // Fire and forget: whether the desktop managed to open it is not reported.
    virtual void openWebAddress(const QUrl &address) = 0;
    // Qt's own texts (a text box's menu, a message box's buttons) in the program's language,
    // for a window about to show them.
    virtual void translateQtTexts() = 0;

    // Ends the program at once: every timer of its windows stops, then every window closes.
    void endProgram(int exitStatus);
    // The fatal path: the timers stopped, the user told about `message`, then the end with
    // FatalErrorStatus.
    void fail(const QString &message) noexcept;
    // The program has begun to end: the first end or error is the only one acted on.
    bool isEnding() const { return m_ending; }

protected:
    virtual void reportFatalError(const QString &message) = 0;
    virtual void leave(int exitStatus) = 0;

private:
    bool m_ending = false;
};

// The desktop the program runs on, through Qt and the sound theme.
class QtDesktop : public Desktop {
public:
    // `language` is the program's, as a two-letter code.
    explicit QtDesktop(const QString &language);

    void playGameOverSound() override;
    void announce(QWidget *widget) override;
    void openWebAddress(const QUrl &address) override;
    // From the translations Qt ships, where it has the language: read when first needed, so
    // that start-up reads nothing beside the program.
    void translateQtTexts() override;

protected:
    void reportFatalError(const QString &message) override;
    void leave(int exitStatus) override;

private:
    ThemeSound m_sound;
    QString m_language;
    QTranslator m_qtTranslator;
    bool m_qtTextsTranslated = false;
};

} // namespace toolkit
