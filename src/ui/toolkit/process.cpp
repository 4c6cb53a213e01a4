// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "process.h"

#include "accessibility.h"
#include "fonts.h"

#include <QPixmapCache>
#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include <malloc.h>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

namespace toolkit::process {

namespace {

// The deepest of the game's threads (the sound's, inside libcanberra and libpulse) touches
// some 32 KiB of its stack; a sanitizer's build takes several times that.
constexpr std::size_t ThreadStackBytes = 1024 * 1024;
// The raster painter splits a fill into at most four parts (256 spans, 64 a part).
constexpr int PainterThreads = 4;
constexpr int ThreadStartWaitMs = 5000;

// Qt 6.4's raster painter hands the parts of a larger fill to the global pool's threads and
// waits for them all. A pool thread that cannot be created never runs its part, so painting
// would wait for ever, and so would the application's end (QCoreApplication waits for the
// pool). Every pool thread is made now and kept (no expiry): painting never needs another.
// An idle window does not wake either: a pool thread would otherwise wake 30 s after the last
// painting, only to end.
bool startPainterThreads()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    pool->setMaxThreadCount(std::min(pool->maxThreadCount(), PainterThreads));
    const int count = pool->maxThreadCount();
    // Each task holds its thread until all have arrived, so each gets a thread of its own.
    struct Meeting {
        QSemaphore arrived;
        QSemaphore leave;
    };
    const auto meeting = std::make_shared<Meeting>();
    for (int i = 0; i < count; ++i)
        pool->start([meeting] {
            meeting->arrived.release();
            meeting->leave.acquire();
        });
    const bool all = meeting->arrived.tryAcquire(count, ThreadStartWaitMs);
    meeting->leave.release(count);
    return all;
}

std::string megabytes(std::uint64_t bytes)
{
    return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MiB";
}

} // namespace

void limitReservations()
{
    ::mallopt(M_ARENA_MAX, 1);
    pthread_attr_t attributes;
    if (::pthread_getattr_default_np(&attributes) != 0)
        return;
    ::pthread_attr_setstacksize(&attributes, ThreadStackBytes);
    ::pthread_setattr_default_np(&attributes);
    ::pthread_attr_destroy(&attributes);
}

std::optional<std::uint64_t> addressSpaceLeft()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    unsigned long long pages = 0;
    std::FILE *statm = std::fopen("/proc/self/statm", "re");
    if (!statm)
        return std::nullopt;
    const bool read = std::fscanf(statm, "%llu", &pages) == 1;
    std::fclose(statm);
    if (!read)
        return std::nullopt;
    const std::uint64_t used = std::uint64_t(pages) * std::uint64_t(::sysconf(_SC_PAGESIZE));
    return used < limit.rlim_cur ? std::uint64_t(limit.rlim_cur) - used : 0;
}

void requireRoomToPlay()
{
    const std::optional<std::uint64_t> left = addressSpaceLeft();
    if (left && *left < RoomToPlayBytes)
        throw std::runtime_error("too little memory: the address-space limit (ulimit -v) leaves " +
                                 megabytes(*left) + " of the " + megabytes(RoomToPlayBytes) +
                                 " that a game needs");
}

void prepare()
{
    fonts::installSubstitutes();
    installAccessibility();
    if (!startPainterThreads())
        throw std::runtime_error("too little memory: the painter's threads cannot be made");
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
