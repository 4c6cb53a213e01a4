#pragma once

#include "window.h"

#include <array>

class Label;
class Picture;

// The help window: the rules in white with a dark rim, over the game's background picture.
class HelpWindow : public Window {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner = nullptr);

protected:
    void buildControls(QWidget *surface) override;
    void onLoad() override;

private:
    // Controls, from the back of the stacking order to the front; valid while loaded.
    Picture *m_backgroundPicture = nullptr; // shared with the main window
    // Copies of the rules in the dark text colour, one on each diagonal: down-right,
    // down-left, up-right, up-left.
    std::array<Label *, 4> m_rim{};
    Label *m_rulesText = nullptr;
    Label *m_closingWish = nullptr;
};
