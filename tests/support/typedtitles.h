// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QStringList>

// The titles of the eleven typing ticks: the fixed frames, then the translation's prefixes of
// the full title in the language of this run.
inline QStringList typedTitles()
{
    const auto translated = [](const char *english) {
        return QCoreApplication::translate("Board", english);
    };
    return {"Ka ludnik",
            "",
            "K",
            "Ka",
            "Ka ",
            "Ka l",
            "Ka lu",
            translated("Ka lum"),
            translated("Ka lumb"),
            translated("Ka lumbo"),
            translated("Ka lumbor")};
}
