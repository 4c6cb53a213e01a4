#pragma once

#include "ui/toolkit/form.h"

class Form1;
class Label;
class Picture;

// The help window: the rules in white with a dark rim, over the main window's picture.
class Form2 : public Form {
    Q_OBJECT

public:
    explicit Form2(Form1 &form1);

    // Controls, from the back of the stacking order to the front; valid while loaded.
    Picture *Image1 = nullptr; // the main window's picture, shared
    Label *Label1 = nullptr;   // rim copy, down and right
    Label *Label2 = nullptr;   // rim copy, down and left
    Label *Label3 = nullptr;   // rim copy, up and right
    Label *Label4 = nullptr;   // rim copy, up and left
    Label *Label5 = nullptr;   // rules text
    Label *Label6 = nullptr;   // closing wish
    Label *Label7 = nullptr;   // signature
    Label *Label8 = nullptr;   // design credit

    void Form_Load() override;

protected:
    void buildControls(QWidget *surface) override;

private:
    Form1 &m_form1;
};
