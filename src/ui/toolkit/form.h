#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class FormSurface;

// A window built from its design. Showing it loads it: its controls are built afresh and its
// Form_Load runs. Unloading drops the controls, so nothing of a closed window survives.
class Form : public QWidget {
    Q_OBJECT

public:
    enum class Frame {
        FixedSingle,     // fixed border, close box only, in the taskbar
        FixedToolWindow, // thin fixed border, small title bar, not in the taskbar
        Sizable,         // ordinary resizable frame with minimize and maximize boxes
    };

    Form(Frame frame, float clientWidth, float clientHeight, const QColor &background);
    ~Form() override;

    bool isLoaded() const { return m_surface != nullptr; }
    // Builds the controls and runs Form_Load unless the window is loaded already.
    void Load();
    // Closes the window and drops its controls.
    void Unload();
    // Shows the window and returns when it is closed; the other windows take no input meanwhile.
    void ShowModal();
    // Shows the window and returns at once.
    void ShowModeless();

    // The client area that the controls are built on.
    QWidget *surface() const;

Q_SIGNALS:
    void unloaded();

protected:
    virtual void buildControls(QWidget *surface) = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The pointer moved over the bare window surface (not over a control); x and y in twips.
    virtual void Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float, float) {}

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class FormSurface;

    void present();

    FormSurface *m_surface = nullptr;
    QColor m_background;
    bool m_unloading = false;
};
