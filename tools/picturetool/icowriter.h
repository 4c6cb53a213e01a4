// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// A one-image Windows icon with an 8-bit palette and an AND mask. Every pixel must be fully
// opaque or fully transparent and there may be at most 255 opaque colours; otherwise the
// result is empty.
QByteArray encodeIco(const QImage &image);

} // namespace pictures
