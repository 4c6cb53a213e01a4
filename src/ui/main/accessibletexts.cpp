#include "accessibletexts.h"

#include "text/stringtable.h"

namespace AccessibleTexts {

namespace {

bool czech()
{
    return userLanguage() == Language::Czech;
}

} // namespace

QString cell(int row, int column)
{
    return (czech() ? QStringLiteral("Řádek %1, sloupec %2") : QStringLiteral("Row %1, column %2"))
        .arg(row)
        .arg(column);
}

QString cellCount(const QString &caption)
{
    if (caption == QLatin1String("X"))
        return czech() ? QStringLiteral("mrtvé") : QStringLiteral("dead");
    return caption;
}

QString score()
{
    return czech() ? QStringLiteral("Skóre") : QStringLiteral("Score");
}

} // namespace AccessibleTexts
