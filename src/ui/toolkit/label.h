#pragma once

#include <QLabel>

// How a label is drawn, as its window designs it.
struct LabelStyle {
    QFont font;
    QColor color;
    bool autoSize = true; // takes the size of each new text, keeping its left and top
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

// A windowless text: transparent, placed in twips, clickable. A click fires when the button
// is released inside the label. Mouse moves over it belong to it and never reach the window.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(QWidget *parent, const QString &designText, const LabelStyle &style, float left,
          float top, float width, float height);

    void setCaption(const QString &text);
    QString caption() const { return text(); }

    void setTextColor(const QColor &color);
    QColor textColor() const;

    // A label that acts as a command reads to screen readers as a push button.
    void setActsAsButton(bool actsAsButton);
    bool actsAsButton() const { return m_actsAsButton; }

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    void setLeftTwips(float left);
    void setTopTwips(float top);

Q_SIGNALS:
    void clicked();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void place();
    // Takes the size of the text now, or, while the label is hidden on purpose, when it is
    // next shown: measuring the text loads its face, which a hidden label need not do yet.
    void fitText();

    float m_left;
    float m_top;
    bool m_autoSize;
    bool m_pressed = false;
    bool m_actsAsButton = false;
    bool m_fitPending = false;
};
