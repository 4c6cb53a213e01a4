#include "form.h"

#include "fonts.h"
#include "twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPixmapCache>

// The client area. Moves that a control lets through still arrive here, so only a move over
// no control counts as a move over the bare surface.
class FormSurface : public QWidget {
public:
    FormSurface(Form *form, const QColor &background) : QWidget(form), m_form(form)
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
        QPalette colors = palette();
        colors.setColor(QPalette::Window, background);
        setPalette(colors);
        setGeometry(form->rect());
    }

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (childAt(at) == nullptr)
            m_form->Form_MouseMove(event->buttons(), event->modifiers(), Twips::fromPixels(at.x()),
                                   Twips::fromPixels(at.y()));
        event->accept();
    }

private:
    Form *m_form;
};

namespace {

Qt::WindowFlags flagsFor(Form::Frame frame)
{
    switch (frame) {
    case Form::Frame::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint;
    case Form::Frame::FixedToolWindow:
        return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    case Form::Frame::Sizable:
        return Qt::Window;
    }
    return Qt::Window;
}

} // namespace

Form::Form(Frame frame, float clientWidth, float clientHeight, const QColor &background)
    : QWidget(nullptr, flagsFor(frame)), m_background(background)
{
    setFont(Fonts::formDefault());
    const QSize client = Twips::size(clientWidth, clientHeight);
    if (frame == Frame::Sizable)
        resize(client);
    else
        setFixedSize(client);
}

Form::~Form() = default;

QWidget *Form::surface() const
{
    return m_surface;
}

void Form::Load()
{
    if (isLoaded())
        return;
    m_surface = new FormSurface(this, m_background);
    buildControls(m_surface);
    m_surface->show();
    Form_Load();
}

void Form::Unload()
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

void Form::ShowModal()
{
    Load();
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    present();
    if (isLoaded())
        loop.exec(QEventLoop::DialogExec);
}

void Form::ShowModeless()
{
    Load();
    setWindowModality(Qt::NonModal);
    present();
}

void Form::present()
{
    const bool wasShown = isVisible();
    show();
    if (wasShown)
        raise(); // shown again while open: the one window comes to the front
    activateWindow();
}

void Form::closeEvent(QCloseEvent *event)
{
    if (isLoaded())
        Form_Unload();
    Unload();
    event->accept();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_surface)
        m_surface->setGeometry(rect()); // controls keep their places; the surface follows
}
