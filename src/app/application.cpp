#include "application.h"

#include "appinfo.h"
#include "fonts.h"
#include "handlers.h"
#include "mainwindow.h"
#include "pictures.h"
#include "platform.h"
#include "window.h"

#include <QThreadPool>

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(AppInfo::Executable));
    setApplicationVersion(QString::fromUtf8(AppInfo::Version));
    setOrganizationDomain(QString::fromUtf8(AppInfo::OrganizationDomain));
    setDesktopFileName(QString::fromUtf8(AppInfo::Id));
    setWindowIcon(Pictures::applicationIcon());
    setQuitOnLastWindowClosed(false); // the main window's unload ends the program
    // The raster painter fills larger shapes on pool threads, which would otherwise each wake
    // up once, 30 s after the last painting, only to end: an idle window should not wake.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    Fonts::installSubstitutions();
}

namespace {

bool belongsToAWindow(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (qobject_cast<const Window *>(object))
            return true;
    }
    return false;
}

} // namespace

bool Application::notify(QObject *receiver, QEvent *event)
{
    // Once the program is ending, no timer of any window ticks again; the error message's own
    // timers, if any, still run.
    if (event->type() == QEvent::Timer && Platform::current().isEnding() &&
        belongsToAWindow(receiver))
        return true;
    bool handled = true;
    Handlers::run([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

int Application::run()
{
    try {
        MainWindow mainWindow;
        mainWindow.show();
        return exec();
    } catch (const std::exception &error) {
        // Raised before the event loop ran, or while the main window was torn down.
        Handlers::fail(error);
        return Platform::FatalErrorStatus;
    }
}
