// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "desktop.h"

#include "appinfo.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

namespace toolkit {

namespace {

void hideAllWindows()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
}

// Nothing of the game may tick once the program ends, not even behind the message of an error.
void stopAllTimers()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        const QList<QTimer *> timers = window->findChildren<QTimer *>();
        for (QTimer *timer : timers)
            timer->stop();
    }
}

} // namespace

void Desktop::endProgram(int exitStatus)
{
    if (std::exchange(m_ending, true))
        return;
    stopAllTimers();
    leave(exitStatus);
}

void Desktop::fail(const QString &message) noexcept
{
    // An error while the program ends (behind the message box of another one) adds nothing.
    if (std::exchange(m_ending, true))
        return;
    stopAllTimers();
    reportFatalError(message);
    leave(FatalErrorStatus);
}

QtDesktop::QtDesktop(const QString &language) : m_language(language) {}

void QtDesktop::translateQtTexts()
{
    if (std::exchange(m_qtTextsTranslated, true) || m_language == QLatin1String("en"))
        return;
    if (m_qtTranslator.load(QStringLiteral("qtbase_") + m_language,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
}

void QtDesktop::playGameOverSound()
{
    // The theme's game-over sound where it has one, its bell otherwise; with no sound server,
    // the X bell, which some desktops still ring.
    m_sound.play({"game-over-loser", "bell"}, [] { QApplication::beep(); });
}

void QtDesktop::announce(QWidget *widget)
{
    QAccessibleEvent event(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

void QtDesktop::openWebAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void QtDesktop::reportFatalError(const QString &message)
{
    // Nothing of the game may show behind the message, nor take input.
    hideAllWindows();
    std::fprintf(stderr, "%s: fatal error: %s\n", AppInfo::DisplayName, qUtf8Printable(message));
    std::fflush(stderr);
    translateQtTexts(); // the message box's button
    //: The message box of an error the program cannot go on from; %1 says what failed.
    const QString text =
        QCoreApplication::translate(
            "FatalErrorMessage", "Ka ludnik has met an error it cannot recover from and will now "
                                 "end.\n\n%1")
            .arg(message);
    QMessageBox::critical(nullptr, QString::fromUtf8(AppInfo::DisplayName), text);
}

void QtDesktop::leave(int exitStatus)
{
    hideAllWindows();
    QCoreApplication::exit(exitStatus); // leaves every event loop, modal ones included
}

} // namespace toolkit
