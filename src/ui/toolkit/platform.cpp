#include "platform.h"

#include "appinfo.h"
#include "text/stringtable.h"
#include "themesound.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace {

QtPlatform &qtPlatform()
{
    static QtPlatform platform;
    return platform;
}

Platform *currentPlatform = nullptr;

} // namespace

Platform &Platform::current()
{
    return currentPlatform ? *currentPlatform : qtPlatform();
}

Platform *Platform::install(Platform *platform)
{
    Platform *previous = &current();
    currentPlatform = platform;
    return previous;
}

void Platform::fail(const QString &message)
{
    reportFatalError(message);
    endProgram(FatalErrorStatus);
}

void QtPlatform::beep()
{
    // The theme's game-over sound where it has one, its bell otherwise; with no sound server,
    // the X bell, which some desktops still ring.
    ThemeSound::play({"game-over-loser", "bell"}, [] { QApplication::beep(); });
}

void QtPlatform::announce(QWidget *widget)
{
    QAccessibleEvent event(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::endProgram(int exitStatus)
{
    m_ending = true;
    hideAllWindows();
    QCoreApplication::exit(exitStatus); // leaves every event loop, modal ones included
}

void QtPlatform::reportFatalError(const QString &message)
{
    // Nothing of the game may run behind the message: its timers and input are dropped.
    m_ending = true;
    hideAllWindows();
    std::fprintf(stderr, "%s: fatal error: %s\n", AppInfo::DisplayName, qUtf8Printable(message));
    std::fflush(stderr);
    if (!qApp)
        return;
    QString text = message;
    try {
        text = loadText(TextId::FatalError).arg(message);
    } catch (const std::exception &) {
        // The table itself failed: the bare message still tells what went wrong.
    }
    QMessageBox::critical(nullptr, QString::fromUtf8(AppInfo::DisplayName), text);
}

void QtPlatform::hideAllWindows()
{
    if (!qApp)
        return;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
}
