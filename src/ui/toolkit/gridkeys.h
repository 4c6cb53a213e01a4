// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QKeyEvent;

namespace toolkit {

// The keys that play a 3 × 3 grid, chosen by where they sit on the keyboard rather than by what
// they type: the numeric keypad as it looks (7 8 9 on top, with or without Num Lock), and the
// block of letter keys at the left of the main keyboard (Q W E / A S D / Z X C on a US keyboard,
// the same three rows of keys on QWERTZ and AZERTY whatever their letters). Installed on a
// window (its QWindow), it takes those keys before any control sees them and says which place
// was pressed; a held key presses once. Installed on the window's widget too, it keeps the
// window's shortcuts off those keys, so that a layout that types P or M in the grid's block
// plays the grid.
class GridKeys : public QObject {
    Q_OBJECT

public:
    explicit GridKeys(QObject *parent = nullptr);

    // The place of the key of `event`, 0 to 8 in rows from the top left, or -1.
    static int placeOf(const QKeyEvent &event);

Q_SIGNALS:
    void pressed(int place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The last release of a grid key. X11 delivers the repeats of a held key as a release and a
    // press with the same time, not always marked as repeats.
    quint32 m_releasedKey = 0;
    quint64 m_releasedAt = 0;
};

} // namespace toolkit
