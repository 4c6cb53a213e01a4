// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "process.h"

#include "accessibility.h"
#include "fonts.h"

#include <QPixmapCache>
#include <QThreadPool>

#include <csignal>

namespace toolkit::process {

void prepare()
{
    fonts::installSubstitutes();
    installAccessibility();
    // The raster painter fills larger shapes on pool threads, which would otherwise each wake
    // up once, 30 s after the last painting, only to end: an idle window should not wake.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    // A file-size limit the player set (ulimit -f) makes a write past it fail with EFBIG,
    // which the score file and the sound handle, instead of killing the game: the sound
    // server's library makes a 64 MiB shared-memory file at the first sound.
    std::signal(SIGXFSZ, SIG_IGN);
}

void dropCachedDrawings()
{
    QPixmapCache::clear();
}

} // namespace toolkit::process
