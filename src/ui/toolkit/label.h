// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "twips.h"

#include <QLabel>

#include <chrono>

class QTimer;

namespace toolkit {

// A windowless text: transparent, placed in twips, clickable. A click fires when the button is
// released inside the label. Mouse moves over it belong to it and never reach the window. A
// label that acts as a command is also reached with Tab, marked by a frame in its text's colour
// while it has the focus, and pressed by Space or Enter.
class Label : public QLabel {
    Q_OBJECT

public:
    // An auto-size label takes the size of each new text, keeping its left and top; any other
    // keeps the size of `place` and wraps its text.
    Label(const TwipRect &place, bool autoSize, QWidget *parent);

    // Shows `text`, and takes its size if the label sizes itself.
    void showText(const QString &text);
    // Shows `text` for `time`, then hides; the timer that hides it is named after the label,
    // with "Timer" after its name.
    void showFor(const QString &text, std::chrono::milliseconds time);
    void setTextColor(const QColor &color);

    // A label that acts as a command reads to screen readers as a push button.
    void setActsAsCommand(bool actsAsCommand);
    bool actsAsCommand() const { return m_actsAsCommand; }
    // Whether a control in front hides the label's middle: a covered command takes no clicks
    // there, and no keys.
    bool isCovered() const;
    // A decorative label (a copy of another's text, drawn for its look) is invisible to screen
    // readers, which read the text once, from the label it copies.
    void setDecorative(bool decorative) { m_decorative = decorative; }
    bool isDecorative() const { return m_decorative; }

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    void moveToTwips(float left, float top);

Q_SIGNALS:
    void clicked();
    void pointerMoved();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Runs `work` as a label that takes no focus, which keeps its text plain.
    template <typename Work> auto asPlainText(Work work);
    // Takes the size of the text now, or, while the label is hidden on purpose, when it is
    // next shown: measuring the text loads its face, which a hidden label need not do yet.
    void fitText();

    float m_left;
    float m_top;
    bool m_autoSize;
    bool m_pressed = false;
    bool m_actsAsCommand = false;
    bool m_decorative = false;
    bool m_fitPending = false;
    QTimer *m_hideTimer = nullptr; // while shown for a time
};

} // namespace toolkit
