#include "button.h"

#include "twips.h"

#include <QKeyEvent>

Button::Button(QWidget *parent, int index, const QString &caption, float left, float top,
               float width, float height)
    : QPushButton(caption, parent), m_index(index)
{
    setGeometry(Twips::rect(left, top, width, height));
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { Q_EMIT indexClicked(m_index); });
}

void Button::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
