// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <random>

// Settings of the long random runs, read from the environment so that a run can be repeated.

// The seed in environment variable `name`, or a fresh random one.
inline quint64 seedFromEnvironment(const char *name)
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable(name).toULongLong(&ok);
    if (ok)
        return seed;
    std::random_device device;
    return (quint64(device()) << 32) ^ device();
}

// A positive count in environment variable `name`, or `fallback`.
inline qint64 countFromEnvironment(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 count = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && count > 0 ? count : fallback;
}
