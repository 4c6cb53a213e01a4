#pragma once

#include <QPushButton>

// A push button that knows its index in its array. Space and Enter press it when it has the
// keyboard focus.
class Button : public QPushButton {
    Q_OBJECT

public:
    Button(QWidget *parent, int index, const QString &caption, float left, float top, float width,
           float height);

Q_SIGNALS:
    void indexClicked(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index;
};
