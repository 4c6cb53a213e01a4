// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "twips.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace toolkit {

// A picture shown at its own size, never stretched, with its top-left corner in twips; its
// place in the design has the picture's size. Clicks on it stop at it and do nothing.
class Picture : public QWidget {
    Q_OBJECT

public:
    // The picture drawn on a device of a given pixel ratio: the sharper one where the ratio
    // is above 1. Asked whenever the picture is drawn, so that it follows the window to a
    // screen of another ratio; each source shares what it has read.
    using Source = std::function<QPixmap(qreal devicePixelRatio)>;

    Picture(const TwipRect &place, QWidget *parent);

    // Shows the picture of `source`, first read when it first shows (a picture that starts
    // hidden costs nothing on the way to the window's first frame), and takes its size then.
    void setPicture(Source source);
    // The picture as drawn on this widget's screen; null before setPicture().
    QPixmap pixmap() const;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void takeItsSize();

    Source m_source;
    bool m_sized = false;
};

} // namespace toolkit
