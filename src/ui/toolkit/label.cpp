// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace toolkit {

Label::Label(const TwipRect &place, bool autoSize, QWidget *parent)
    : QLabel(parent), m_left(place.left), m_top(place.top), m_autoSize(autoSize),
      m_fitPending(autoSize)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setWordWrap(!autoSize);
    setGeometry(twips::toPixels(place));
}

template <typename Work> auto Label::asPlainText(Work work)
{
    // A QLabel that takes the focus lays its text out as a rich-text document (when its text is
    // set, and when it is polished), with metrics of its own and at a cost that the first frame
    // notices. A command takes the focus without it.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    const auto result = work();
    setFocusPolicy(policy);
    return result;
}

bool Label::event(QEvent *event)
{
    if (event->type() != QEvent::Polish)
        return QLabel::event(event);
    return asPlainText([this, event] { return QLabel::event(event); });
}

void Label::showText(const QString &text)
{
    asPlainText([this, &text] {
        setText(text);
        return true;
    });
    if (m_autoSize) {
        m_fitPending = true;
        fitText();
    }
}

void Label::showFor(const QString &text, std::chrono::milliseconds time)
{
    if (!m_hideTimer) {
        m_hideTimer = new QTimer(this);
        m_hideTimer->setObjectName(objectName() + QLatin1String("Timer"));
        m_hideTimer->setSingleShot(true);
        connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    }
    showText(text);
    show();
    m_hideTimer->start(time);
}

void Label::fitText()
{
    if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        return;
    m_fitPending = false;
    // What QLabel's sizeHint() gives a line of plain text, measured once instead of its three
    // times: the score line is fitted again at every click that scores.
    const QSize text =
        fontMetrics()
            .boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::AlignTop, this->text())
            .size();
    const QMargins margins = contentsMargins();
    resize(text + QSize(margins.left() + margins.right() + 2 * margin(),
                        margins.top() + margins.bottom() + 2 * margin()));
}

void Label::showEvent(QShowEvent *event)
{
    if (m_fitPending)
        fitText();
    QLabel::showEvent(event);
}

void Label::setActsAsCommand(bool actsAsCommand)
{
    m_actsAsCommand = actsAsCommand;
    // Tab reaches it; a click does not take the focus, so Space goes on pressing what it did.
    setFocusPolicy(actsAsCommand ? Qt::TabFocus : Qt::NoFocus);
}

bool Label::isCovered() const
{
    const QWidget *parent = parentWidget();
    return parent && parent->childAt(geometry().center()) != this;
}

void Label::setTextColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void Label::moveToTwips(float left, float top)
{
    m_left = left;
    m_top = top;
    move(twips::toPixels(left), twips::toPixels(top));
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

void Label::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event); // not QLabel's, which makes the text a document
}

void Label::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (!m_actsAsCommand || !press || event->modifiers() & ~Qt::KeypadModifier || isCovered()) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT clicked();
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame round the text, in the text's own colour, as a desktop marks a focused
    // command.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace toolkit
