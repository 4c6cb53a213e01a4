// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace toolkit {
class PictureStore;
}

// The help window: the rules in white with a dark rim, over the game's background picture, and
// the game's keys beside them.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    HelpWindow(toolkit::PictureStore &pictures, QWidget *parent);
};
