// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace pictures {

// GIF and ICO both store numbers little-endian.
inline void putLe16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

inline void putLe32(QByteArray &out, quint32 value)
{
    putLe16(out, value & 0xffff);
    putLe16(out, value >> 16);
}

} // namespace pictures
