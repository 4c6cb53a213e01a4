#include "window.h"

#include "fonts.h"
#include "twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmapCache>

// The client area. Moves that a control lets through still arrive here, so only a move over
// no control counts as a move over the bare surface.
class WindowSurface : public QWidget {
public:
    WindowSurface(Window *window, const QColor &background) : QWidget(window), m_window(window)
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
        QPalette colors = palette();
        colors.setColor(QPalette::Window, background);
        setPalette(colors);
        setGeometry(window->rect());
    }

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (childAt(event->position().toPoint()) == nullptr)
            m_window->onBareSurfaceMouseMove();
        event->accept();
    }

private:
    Window *m_window;
};

namespace {

Qt::WindowFlags flagsFor(Window::Frame frame, bool owned)
{
    switch (frame) {
    case Window::Frame::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint;
    case Window::Frame::FixedToolWindow:
        return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    case Window::Frame::Sizable:
        // Qt tells X11 window managers whose window a window is only for dialogs and tool
        // windows; an owned one keeps the ordinary frame with its boxes.
        if (owned)
            return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint;
        return Qt::Window;
    }
    return Qt::Window;
}

} // namespace

Window::Window(Frame frame, float clientWidth, float clientHeight, const QColor &background,
               QWidget *owner)
    : QWidget(owner, flagsFor(frame, owner != nullptr)), m_background(background)
{
    setFont(Fonts::formDefault());
    const QSize client = Twips::size(clientWidth, clientHeight);
    if (frame == Frame::Sizable)
        resize(client);
    else
        setFixedSize(client);
}

Window::~Window() = default;

QWidget *Window::surface() const
{
    return m_surface;
}

void Window::setTitle(const QString &title)
{
    // Qt hands an empty title to the window system as the program's name, at once, so an empty
    // title never reaches Qt: a single space is drawn blank by window managers and Wayland
    // compositors alike.
    setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
}

void Window::closeOnEscape()
{
    m_closesOnEscape = true;
}

void Window::load()
{
    if (isLoaded())
        return;
    m_surface = new WindowSurface(this, m_background);
    buildControls(m_surface);
    m_surface->show();
    onLoad();
}

void Window::unload()
{
    if (!isLoaded() || m_unloading)
        return;
    m_unloading = true;
    hide();
    // Later, not now: the unload may come from a handler of one of the controls being dropped.
    m_surface->hide();
    m_surface->deleteLater();
    m_surface = nullptr;
    // The style caches drawings of buttons keyed by their palette, and every loading gives new
    // buttons a new palette: without this, each opening of a window with a button would leave
    // a drawing behind, up to the cache's limit of megabytes.
    QPixmapCache::clear();
    m_unloading = false;
    Q_EMIT unloaded();
}

void Window::showModal()
{
    load();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &Window::unloaded, &loop, &QEventLoop::quit);
    present();
    if (isLoaded())
        loop.exec(QEventLoop::DialogExec);
}

void Window::showModeless()
{
    load();
    setWindowModality(Qt::NonModal);
    present();
}

void Window::present()
{
    const bool wasShown = isVisible();
    show();
    if (wasShown)
        raise(); // shown again while open: the one window comes to the front
    activateWindow();
}

void Window::closeEvent(QCloseEvent *event)
{
    if (isLoaded())
        onClose();
    unload();
    event->accept();
}

void Window::keyPressEvent(QKeyEvent *event)
{
    // Reaches the window when the control with the focus, if any, leaves the key alone.
    if (m_closesOnEscape && event->key() == Qt::Key_Escape &&
        event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Window::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_surface)
        m_surface->setGeometry(rect()); // controls keep their places; the surface follows
}
