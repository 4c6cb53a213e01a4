#include "label.h"

#include "accessibility.h"
#include "twips.h"

#include <QMouseEvent>

Label::Label(QWidget *parent, const QString &designText, const LabelStyle &style, float left,
             float top, float width, float height)
    : QLabel(parent), m_left(left), m_top(top), m_autoSize(style.autoSize)
{
    Accessibility::install();
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setFont(style.font);
    setAlignment(style.alignment);
    setWordWrap(!style.autoSize);
    setTextColor(style.color);
    setGeometry(Twips::rect(left, top, width, height));
    // No text yet: sized when it gets one, or when it is shown.
    if (designText.isEmpty())
        m_fitPending = m_autoSize;
    else
        setCaption(designText);
}

void Label::setCaption(const QString &text)
{
    setText(text);
    if (m_autoSize) {
        m_fitPending = true;
        fitText();
    }
}

void Label::fitText()
{
    if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        return;
    m_fitPending = false;
    resize(sizeHint());
}

void Label::showEvent(QShowEvent *event)
{
    if (m_fitPending)
        fitText();
    QLabel::showEvent(event);
}

void Label::setActsAsButton(bool actsAsButton)
{
    m_actsAsButton = actsAsButton;
}

void Label::setTextColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

QColor Label::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setLeftTwips(float left)
{
    m_left = left;
    place();
}

void Label::setTopTwips(float top)
{
    m_top = top;
    place();
}

void Label::place()
{
    move(Twips::toPixels(m_left), Twips::toPixels(m_top));
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT pointerMoved();
}
