// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "process.h"

#include "accessibility.h"
#include "fonts.h"

#include <QPixmapCache>

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace toolkit::process {

namespace {

std::string megabytes(std::uint64_t bytes)
{
    return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MiB";
}

} // namespace

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
