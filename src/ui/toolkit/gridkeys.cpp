// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "gridkeys.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace toolkit {

namespace {

using Codes = std::array<quint32, 9>;

// The keys of each place as Linux's evdev numbers them; X11 and Wayland report them 8 higher.
constexpr Codes KeypadScanCodes{71, 72, 73, 75, 76, 77, 79, 80, 81};
constexpr Codes LetterScanCodes{16, 17, 18, 30, 31, 32, 44, 45, 46};
constexpr quint32 EvdevOffset = 8;
// Where a key arrives without its place: the keypad still says what it is, with Num Lock on
// and off.
constexpr std::array<int, 9> KeypadDigits{Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_4, Qt::Key_5,
                                          Qt::Key_6, Qt::Key_1, Qt::Key_2, Qt::Key_3};
constexpr std::array<int, 9> KeypadMoves{Qt::Key_Home, Qt::Key_Up,    Qt::Key_PageUp,
                                         Qt::Key_Left, Qt::Key_Clear, Qt::Key_Right,
                                         Qt::Key_End,  Qt::Key_Down,  Qt::Key_PageDown};

template <typename Value, std::size_t N>
int indexIn(const std::array<Value, N> &values, Value value)
{
    const auto found = std::find(values.begin(), values.end(), value);
    return found == values.end() ? -1 : int(found - values.begin());
}

} // namespace

GridKeys::GridKeys(QObject *parent) : QObject(parent) {}

int GridKeys::placeOf(const QKeyEvent &event)
{
    // A modifier makes it another key: Ctrl+Q quits.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return -1;
    if (const quint32 scanCode = event.nativeScanCode(); scanCode != 0) {
        if (scanCode <= EvdevOffset)
            return -1;
        const int onKeypad = indexIn(KeypadScanCodes, scanCode - EvdevOffset);
        return onKeypad >= 0 ? onKeypad : indexIn(LetterScanCodes, scanCode - EvdevOffset);
    }
    if (!(event.modifiers() & Qt::KeypadModifier))
        return -1;
    const int digit = indexIn(KeypadDigits, event.key());
    return digit >= 0 ? digit : indexIn(KeypadMoves, event.key());
}

bool GridKeys::eventFilter(QObject *watched, QEvent *event)
{
    const bool shortcut = event->type() == QEvent::ShortcutOverride;
    if (!shortcut && (!watched->isWindowType() ||
                      (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)))
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const int place = placeOf(*key);
    if (place < 0)
        return QObject::eventFilter(watched, event);
    if (shortcut) {
        event->accept(); // the key is the grid's: no shortcut takes it
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        m_releasedKey = key->nativeScanCode();
        m_releasedAt = key->timestamp();
    } else {
        const bool repeated =
            key->isAutoRepeat() ||
            (key->nativeScanCode() != 0 && key->nativeScanCode() == m_releasedKey &&
             key->timestamp() == m_releasedAt && key->timestamp() != 0);
        if (!repeated)
            Q_EMIT pressed(place);
    }
    return true; // the key plays the grid, and nothing else sees it
}

} // namespace toolkit
