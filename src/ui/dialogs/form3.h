#pragma once

#include "ui/toolkit/form.h"

class Label;
class Picture;

// The about window: the icon, the program's title, the credits, the web link and a request
// for donations. Only its title follows the user's language.
class Form3 : public Form {
    Q_OBJECT

public:
    Form3();

    // Controls, from the top of the window down; valid while loaded.
    Picture *Image1 = nullptr; // the window's own icon
    Label *Label1 = nullptr;   // program title
    Label *Label2 = nullptr;   // author credit
    Label *Label3 = nullptr;   // rights notice
    Label *Label4 = nullptr;   // web link
    Label *Label7 = nullptr;   // donation request

    void Form_Load() override;
    void Label4_Click();

protected:
    void buildControls(QWidget *surface) override;
};
