// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// A single-frame GIF89a of an Indexed8 image, its colour table as the global palette.
// transparentIndex < 0 leaves out the graphic control extension.
QByteArray encodeGif(const QImage &image, int transparentIndex);

} // namespace pictures
