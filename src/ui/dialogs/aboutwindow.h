#pragma once

#include "window.h"

class Picture;

// The about window: the icon, the program's title, the credits, the web link and a request
// for donations. Only its title follows the user's language.
class AboutWindow : public Window {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *owner = nullptr);

protected:
    void buildControls(QWidget *surface) override;
    void onLoad() override;

private:
    void openWebLink();

    Picture *m_icon = nullptr; // the window's own icon; valid while loaded
};
