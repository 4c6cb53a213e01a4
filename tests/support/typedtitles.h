#pragma once

#include "text/stringtable.h"

#include <QStringList>

// The titles of the eleven typing ticks: the fixed frames, then the table's prefixes of the
// full title in the language of this run.
inline QStringList typedTitles()
{
    return {"Ka ludnik",
            "",
            "K",
            "Ka",
            "Ka ",
            "Ka l",
            "Ka lu",
            loadText(TextId::TitleOf6),
            loadText(TextId::TitleOf7),
            loadText(TextId::TitleOf8),
            loadText(TextId::FullTitle)};
}
