// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>

#include <functional>

namespace toolkit {

// A picture shown at its own size, never stretched, with its top-left corner in twips. Clicks
// on it stop at it and do nothing.
class Picture : public QLabel {
    Q_OBJECT

public:
    Picture(float left, float top, QWidget *parent);

    // Shares `picture` (no copy of its pixels) and takes its size.
    void setPicture(const QPixmap &picture);
    // Takes the picture, and its size, from `load` when first shown, for a picture that starts
    // hidden: its decoding stays off the way to the window's first frame.
    void setPictureOnShow(std::function<QPixmap()> load);

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::function<QPixmap()> m_load;
};

} // namespace toolkit
