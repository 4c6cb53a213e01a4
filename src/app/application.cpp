#include "application.h"

#include "ui/main/form1.h"
#include "ui/main/pictures.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/platform.h"

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("kaludnik"));
    setApplicationVersion(QStringLiteral(KALUDNIK_VERSION));
    setOrganizationDomain(QStringLiteral("example.org"));
    setDesktopFileName(QStringLiteral("org.example.kaludnik"));
    setWindowIcon(Pictures::applicationIcon());
    setQuitOnLastWindowClosed(false); // the main window's unload ends the program
    Fonts::installSubstitutions();
}

namespace {

bool belongsToAForm(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (qobject_cast<const Form *>(object))
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
        belongsToAForm(receiver))
        return true;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        fail(error);
    } catch (...) {
        fail(std::runtime_error("Unknown error"));
    }
    return true;
}

void Application::fail(const std::exception &error)
{
    Platform &platform = Platform::current();
    platform.reportFatalError(QString::fromUtf8(error.what()));
    platform.endProgram(FatalErrorStatus);
}

int Application::run()
{
    try {
        Form1 form1;
        form1.show();
        return exec();
    } catch (const std::exception &error) {
        // Raised before the event loop ran, or while the main window was torn down.
        fail(error);
        return FatalErrorStatus;
    }
}
