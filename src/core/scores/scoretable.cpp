// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scoretable.h"

#include <QTextBoundaryFinder>

#include <algorithm>

bool ScoreTable::qualifies(int score) const
{
    if (score <= 0)
        return false;
    return m_entries.size() < Size || score > m_entries.back().score;
}

int ScoreTable::insert(const ScoreEntry &entry)
{
    // After every result at least as good, and among equal scores after every older one.
    const auto place =
        std::find_if(m_entries.begin(), m_entries.end(), [&entry](const ScoreEntry &kept) {
            return entry.score > kept.score ||
                   (entry.score == kept.score && entry.achieved < kept.achieved);
        });
    const int rank = int(place - m_entries.begin());
    if (rank >= Size)
        return -1;
    m_entries.insert(rank, entry);
    if (m_entries.size() > Size)
        m_entries.resize(Size);
    return rank;
}

namespace PlayerName {

QString clean(const QString &typed)
{
    QString kept;
    kept.reserve(typed.size());
    for (const QChar c : typed) {
        // Line and paragraph separators and the C0/C1 controls go; a tab or a line break
        // becomes the blank it stood for.
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                kept.append(QLatin1Char(' '));
            continue;
        }
        kept.append(c);
    }
    kept = kept.trimmed();

    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, kept);
    int count = 0;
    while (graphemes.toNextBoundary() != -1) {
        if (++count == MaxLength) {
            kept.truncate(graphemes.position());
            break;
        }
    }
    return kept.trimmed();
}

} // namespace PlayerName
