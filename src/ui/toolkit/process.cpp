// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "process.h"

#include "accessibility.h"
#include "fonts.h"

#include <QPixmapCache>
#include <QThreadPool>

namespace toolkit::process {

void prepare()
{
    fonts::installSubstitutes();
    installAccessibility();
    // The raster painter fills larger shapes on pool threads, which would otherwise each wake
    // up once, 30 s after the last painting, only to end: an idle window should not wake.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
}

void dropCachedDrawings()
{
    QPixmapCache::clear();
}

} // namespace toolkit::process
