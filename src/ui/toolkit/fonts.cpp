// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QStringList>

namespace toolkit::fonts {

void installSubstitutes()
{
    // Explicit substitutes keep the result from depending on fontconfig's generic fallback,
    // which picks whatever sans face the machine happens to have. Emoji in players' names come
    // from the colour emoji font, ahead of DejaVu Sans and its plain black ones.
    QFont::insertSubstitutions(QString::fromLatin1(SansSerif),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QString::fromLatin1(Comic),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"),
                                QStringLiteral("DejaVu Sans")});
}

QFont font(const FontSpec &style)
{
    QFont font(QString::fromLatin1(style.face));
    font.setPointSizeF(style.points);
    font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace toolkit::fonts
