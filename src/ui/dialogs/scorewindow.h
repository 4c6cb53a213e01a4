#pragma once

#include "window.h"

class Label;

// The name entry window. Nothing reads its name or acts on its button; its one behaviour is
// the close label, red under the pointer, white off it, closing the window when clicked.
class ScoreWindow : public Window {
    Q_OBJECT

public:
    explicit ScoreWindow(QWidget *owner = nullptr);

protected:
    void buildControls(QWidget *surface) override;
    void onBareSurfaceMouseMove() override;

private:
    void lightCloseLabel();
    void closeWindow();

    Label *m_closeLabel = nullptr; // valid while loaded
};
