#include "platform.h"

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

void QtPlatform::beep()
{
    QApplication::beep();
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
    std::fprintf(stderr, "Ka ludnik: fatal error: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
    if (qApp)
        QMessageBox::critical(nullptr, QStringLiteral("Ka ludnik"),
                              QStringLiteral("Ka ludnik has met an error it cannot recover "
                                             "from and will now end.\n\n%1")
                                  .arg(message));
}

void QtPlatform::hideAllWindows()
{
    if (!qApp)
        return;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
}
