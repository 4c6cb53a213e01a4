// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "gridkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace toolkit {

namespace {

using Codes = std::array<quint32, 9>;

// The keys of each place as the PC keyboard's scan codes number them (Linux's evdev numbers):
// X11 and Wayland report them 8 higher, Windows as they are.
constexpr Codes KeypadScanCodes{71, 72, 73, 75, 76, 77, 79, 80, 81};
constexpr Codes LetterScanCodes{16, 17, 18, 30, 31, 32, 44, 45, 46};
// macOS reports a key's place as its virtual key code.
constexpr Codes MacKeypadCodes{0x59, 0x5B, 0x5C, 0x56, 0x57, 0x58, 0x53, 0x54, 0x55};
constexpr Codes MacLetterCodes{0x0C, 0x0D, 0x0E, 0x00, 0x01, 0x02, 0x06, 0x07, 0x08};
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

int placeOfCode(const Codes &keypad, const Codes &letters, quint32 code)
{
    const int onKeypad = indexIn(keypad, code);
    return onKeypad >= 0 ? onKeypad : indexIn(letters, code);
}

} // namespace

GridKeys::GridKeys(QObject *parent) : QObject(parent) {}

int GridKeys::placeOf(const QKeyEvent &event, const QString &platform)
{
    // A modifier makes it another key: Ctrl+Q quits.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return -1;
    if (platform == QLatin1String("cocoa"))
        return placeOfCode(MacKeypadCodes, MacLetterCodes, event.nativeVirtualKey());
    if (const quint32 scanCode = event.nativeScanCode(); scanCode != 0) {
        const quint32 offset = platform == QLatin1String("windows") ? 0 : 8;
        return scanCode > offset ? placeOfCode(KeypadScanCodes, LetterScanCodes, scanCode - offset)
                                 : -1;
    }
    if (!(event.modifiers() & Qt::KeypadModifier))
        return -1;
    const int digit = indexIn(KeypadDigits, event.key());
    return digit >= 0 ? digit : indexIn(KeypadMoves, event.key());
}

bool GridKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const int place = placeOf(*key, QGuiApplication::platformName());
    if (place < 0)
        return QObject::eventFilter(watched, event);
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
