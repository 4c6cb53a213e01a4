// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace toolkit {

// A push button that Enter presses as well as Space, when it has the keyboard focus.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    explicit PushButton(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace toolkit
