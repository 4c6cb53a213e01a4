#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class WindowSurface;

// A window built from its design. Showing it loads it: its controls are built afresh and its
// onLoad() runs. Unloading drops the controls, so nothing of a closed window survives.
class Window : public QWidget {
    Q_OBJECT

public:
    enum class Frame {
        FixedSingle,     // fixed border, close box only, in the taskbar
        FixedToolWindow, // thin fixed border, small title bar, not in the taskbar
        Sizable,         // ordinary resizable frame with minimize and maximize boxes
    };

    // With an `owner`, the window stays a window of its own, transient for the owner's: the
    // window system keeps it over the owner and places it with it. The owner deletes it.
    Window(Frame frame, float clientWidth, float clientHeight, const QColor &background,
           QWidget *owner = nullptr);
    ~Window() override;

    bool isLoaded() const { return m_surface != nullptr; }
    // Builds the controls and runs onLoad() unless the window is loaded already.
    void load();
    // Closes the window and drops its controls.
    void unload();
    // Shows the window and returns when it is closed; the other windows take no input meanwhile.
    void showModal();
    // Shows the window and returns at once.
    void showModeless();

    // The client area that the controls are built on.
    QWidget *surface() const;

    // Sets the title. An empty title is shown as a blank one, where the window system would
    // otherwise show the program's name.
    void setTitle(const QString &title);

Q_SIGNALS:
    void unloaded();

protected:
    virtual void buildControls(QWidget *surface) = 0;
    // The controls are built; the window is not shown yet.
    virtual void onLoad() {}
    // The window is being closed by the user or the window system; it cannot refuse.
    virtual void onClose() {}
    // The pointer moved over the bare window surface, not over a control.
    virtual void onBareSurfaceMouseMove() {}

    // Escape closes the window as its close box does.
    void closeOnEscape();

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class WindowSurface;

    void present();

    WindowSurface *m_surface = nullptr;
    QColor m_background;
    bool m_unloading = false;
    bool m_closesOnEscape = false;
};
