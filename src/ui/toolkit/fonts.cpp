#include "fonts.h"

#include <QStringList>

namespace Fonts {

void installSubstitutions()
{
    static const bool installed = [] {
        // Explicit substitutes keep the result from depending on fontconfig's generic fallback,
        // which picks whatever sans face the machine happens to have.
        QFont::insertSubstitutions(QString::fromLatin1(SansSerif),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QString::fromLatin1(Comic),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

QFont design(const char *face, qreal points, bool bold)
{
    installSubstitutions();
    QFont font(QString::fromLatin1(face));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont formDefault()
{
    return design(SansSerif, 8.25, false);
}

} // namespace Fonts
