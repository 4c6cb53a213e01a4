// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "process.h"

#include "accessibility.h"
#include "fonts.h"

#include <QPixmapCache>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <csignal>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace toolkit::process {

namespace {

constexpr std::uint64_t MiB = 1024 * 1024;

std::string megabytes(std::uint64_t bytes)
{
    return std::to_string((bytes + MiB - 1) / MiB) + " MiB";
}

// What a game needs beyond what the program holds when it starts, with its sound, measured
// with Qt 6.4 on Debian 12: the windows and pictures, the sound server's library (four pools
// of 64 MiB), and for each thread a malloc arena (64 MiB) and a stack (8 MiB), the raster
// painter's pool making a thread a core. A whole game with its sound took 776 MiB on 2 cores.
std::uint64_t roomToPlay()
{
    return 660 * MiB + 72 * MiB * std::uint64_t(std::max(1, QThread::idealThreadCount()));
}

// Bytes of address space the limit (ulimit -v) leaves; none where there is no limit.
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

} // namespace

std::optional<std::string> tooLittleRoom()
{
    const std::optional<std::uint64_t> left = addressSpaceLeft();
    if (!left || *left >= roomToPlay())
        return std::nullopt;
    return "too little memory: the address-space limit (ulimit -v) leaves " + megabytes(*left) +
           " of the " + megabytes(roomToPlay()) + " that a game needs";
}

void prepare()
{
    fonts::installSubstitutes();
    installAccessibility();
    // The raster painter's pool threads would each wake 30 s after the last painting, only to
    // end (bench_idle counted them): an idle window never wakes, so they stay.
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
