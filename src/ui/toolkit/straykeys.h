// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>

class QTimer;

namespace toolkit {

// Keeps the keys of a player who is still playing out of a window that opened unasked: from
// arm(), no key reaches the window until the keyboard has been quiet for QuietTime, and each
// key that plays the grid (GridKeys) starts that wait again. A key held down meanwhile types
// nothing until it is released and pressed again. Installed on a window (its QWindow, so that
// every key of every control passes it), and on each of its text boxes, which the text of dead
// keys, compose sequences and input methods reaches directly, as an input method's commit; the
// window's shortcuts are not held back.
class StrayKeys : public QObject {
    Q_OBJECT

public:
    static constexpr int QuietTime = 500; // ms

    // The wait's timer is named "strayKeysTimer".
    explicit StrayKeys(QObject *parent = nullptr);

    void arm();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer *m_quietTimer;
    bool m_quiet = true;
    QSet<quint32> m_typing; // keys whose last press came through: their repeats do too
    // The last release. X11 delivers the repeats of a held key as a release and a press with
    // the same time, not always marked as repeats.
    quint32 m_releasedKey = 0;
    quint64 m_releasedAt = 0;
};

} // namespace toolkit
