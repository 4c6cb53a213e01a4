#pragma once

#include "ui/toolkit/form.h"

class Button;
class Label;
class QLineEdit;

// The name entry window. Nothing reads its name or acts on its button; its one behaviour is
// the close label, red under the pointer, white off it, closing the window when clicked.
class Form4 : public Form {
    Q_OBJECT

public:
    Form4();

    // Controls, valid while loaded.
    Label *Label1 = nullptr; // five placeholder rows
    Label *Label2 = nullptr;
    Label *Label3 = nullptr;
    Label *Label4 = nullptr;
    Label *Label5 = nullptr;
    QLineEdit *Text1 = nullptr; // player's name
    Button *Command1 = nullptr; // "OK", without an action
    Label *Label6 = nullptr;    // close label

    void Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x,
                        float y) override;
    void Label6_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void Label6_Click();

protected:
    void buildControls(QWidget *surface) override;
};
