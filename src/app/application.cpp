// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "application.h"

#include "appinfo.h"
#include "guard.h"
#include "language/language.h"
#include "mainwindow.h"
#include "process.h"
#include "scores/scorekeeper.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace {

// The last resort for an error that no handler boundary caught: with the stack in an unknown
// state, no window is shown, only the line on stderr.
[[noreturn]] void reportUncaughtError()
{
    const char *what = "Unknown error";
    try {
        if (const std::exception_ptr error = std::current_exception())
            std::rethrow_exception(error);
    } catch (const std::exception &error) {
        what = error.what();
    } catch (...) {
    }
    std::fprintf(stderr, "%s: fatal error: %s\n", AppInfo::DisplayName, what);
    std::fflush(stderr);
    std::_Exit(toolkit::Desktop::FatalErrorStatus);
}

// Qt's messages while it connects to the window system. Where it cannot connect, Qt aborts
// after several lines that blame the installation; the player gets one line that names the
// cause instead, and a failure status. Where it connects, the messages go out as usual. Qt may
// warn from any thread (the X connection's reader runs by then), so the list is locked.
class WindowSystemConnection {
public:
    WindowSystemConnection() { s_previous = qInstallMessageHandler(holdBack); }
    ~WindowSystemConnection()
    {
        qInstallMessageHandler(s_previous);
        const std::lock_guard lock(s_mutex);
        for (const Message &message : std::as_const(s_heldBack)) {
            const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
            qt_message_output(message.type, context, message.text);
        }
        s_heldBack.clear();
    }
    WindowSystemConnection(const WindowSystemConnection &) = delete;
    WindowSystemConnection &operator=(const WindowSystemConnection &) = delete;

private:
    struct Message {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const std::lock_guard lock(s_mutex);
        if (type != QtFatalMsg) {
            s_heldBack.append({type, QByteArray(context.category), text});
            return;
        }
        // The first warning says what failed: "could not connect to display", or no plug-in of
        // the name QT_QPA_PLATFORM gives.
        const QString cause = s_heldBack.isEmpty() ? text.section(QLatin1Char('\n'), 0, 0)
                                                   : s_heldBack.first().text.trimmed();
        const bool unknownPlugIn =
            cause.startsWith(QLatin1String("Could not find the Qt platform plugin"));
        std::fprintf(stderr,
                     unknownPlugIn ? "%s: fatal error: no such window system plug-in (%s); "
                                     "QT_QPA_PLATFORM may name xcb or wayland\n"
                                   : "%s: fatal error: no display to open the window on (%s); "
                                     "set DISPLAY or WAYLAND_DISPLAY\n",
                     AppInfo::DisplayName, qUtf8Printable(cause));
        std::fflush(stderr);
        std::_Exit(toolkit::Desktop::FatalErrorStatus);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline std::mutex s_mutex;
    static inline QList<Message> s_heldBack;
};

// Qt's X11 plug-in ends the program by exit() when its connection to the X server breaks (the
// server died, the session ended): no destructor of the running program is reached then, only
// what is registered with atexit(). Qt is being torn down there (it writes no dates any more),
// so nothing is saved then: what waits is only named, in a line made beforehand.
struct UnsavedAtExit {
    const ScoreKeeper *scores = nullptr;
    QByteArray line;
};
UnsavedAtExit s_unsavedAtExit;

void sayWhatIsUnsaved()
{
    if (s_unsavedAtExit.scores && !s_unsavedAtExit.scores->allWritten())
        std::fputs(s_unsavedAtExit.line.constData(), stderr);
}

} // namespace

// The language of the whole run is chosen once, from the user's environment as gettext reads
// it; English needs no translation.
Application::Application(int &argc, char **argv)
    : Application(argc, argv, programLanguage(messageLanguages()))
{
}

Application::Application(int &argc, char **argv, const QString &language)
    : QApplication(argc, argv), m_desktop(language)
{
    std::set_terminate(reportUncaughtError);
    setApplicationName(QString::fromUtf8(AppInfo::Executable));
    setApplicationVersion(QString::fromUtf8(AppInfo::Version));
    setOrganizationDomain(QString::fromUtf8(AppInfo::OrganizationDomain));
    setDesktopFileName(QString::fromUtf8(AppInfo::Id));
    setWindowIcon(m_pictures.applicationIcon());
    setQuitOnLastWindowClosed(false); // the main window's close ends the program
    toolkit::process::prepare();
    const QString scorePath = ScoreFile::defaultPath();
    m_scores = std::make_unique<ScoreKeeper>(scorePath);
    // The table and the record of every game, both in the data folder.
    s_unsavedAtExit = {m_scores.get(),
                       QByteArray(AppInfo::DisplayName) +
                           ": results of this run were not saved: they still waited to be "
                           "written to " +
                           QFile::encodeName(QFileInfo(scorePath).path()) +
                           " when the program ended\n"};
    std::atexit(sayWhatIsUnsaved);
    if (useLanguage(m_translator, language))
        installTranslator(&m_translator);
}

Application::~Application()
{
    s_unsavedAtExit.scores = nullptr;
}

std::unique_ptr<MainWindow> Application::makeMainWindow()
{
    auto window = std::make_unique<MainWindow>(m_desktop, m_pictures, *m_scores, m_settings);
    toolkit::connectGuarded(m_desktop, &m_endSignals, &EndSignals::arrived, window.get(),
                            &MainWindow::quit);
    return window;
}

int Application::run()
{
    std::unique_ptr<MainWindow> mainWindow;
    try {
        mainWindow = makeMainWindow();
        mainWindow->show();
    } catch (const std::exception &error) {
        // Raised while the main window was built, before any event loop ran.
        m_desktop.fail(QString::fromUtf8(error.what()));
        return toolkit::Desktop::FatalErrorStatus;
    }
    return finishSaves(exec());
}

int Application::finishSaves(int status)
{
    if (m_scores->finish())
        return status;
    std::fputs(s_unsavedAtExit.line.constData(), stderr);
    return status == 0 ? toolkit::Desktop::FatalErrorStatus : status;
}

int runGame(int &argc, char **argv)
{
    if (const std::optional<std::string> why = toolkit::process::tooLittleRoom()) {
        std::fprintf(stderr, "%s: fatal error: %s\n", AppInfo::DisplayName, why->c_str());
        return toolkit::Desktop::FatalErrorStatus;
    }
    std::optional<WindowSystemConnection> connection(std::in_place);
    Application application(argc, argv);
    connection.reset();
    return application.run();
}
