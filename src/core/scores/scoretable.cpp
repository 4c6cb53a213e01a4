// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scoretable.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

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

bool ScoreTable::rename(const QString &id, const QString &name)
{
    for (ScoreEntry &entry : m_entries) {
        if (!id.isEmpty() && entry.id == id) {
            entry.name = name;
            return true;
        }
    }
    return false;
}

const ScoreEntry *ScoreTable::find(const QString &id) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&id](const ScoreEntry &entry) { return entry.id == id; });
    return id.isEmpty() || found == m_entries.end() ? nullptr : &*found;
}

namespace PlayerName {

namespace {

// What shows nothing of its own: controls, line and paragraph separators, and format
// characters such as the bidirectional controls and the zero-width space.
bool isInvisible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString clean(const QString &typed)
{
    // A tab or a line break becomes the blank it stood for.
    QString spaced = typed;
    for (QChar &c : spaced) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    // Whole characters as the reader sees them, each a base with what joins or marks it. One
    // made only of invisible characters goes: it could reorder what follows it (a right-to-left
    // override) or hide a name altogether. A joiner inside an emoji is part of a visible one and
    // stays. One with more marks than any writing needs keeps its first ones only, so that a
    // name stays small on disk as on screen.
    QString kept;
    kept.reserve(spaced.size());
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, spaced);
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) != -1; start = end) {
        const QString cluster = spaced.mid(start, end - start);
        const QList<uint> points = cluster.toUcs4();
        if (!std::all_of(points.begin(), points.end(), [](uint c) { return isInvisible(c); }))
            kept += QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()),
                                      std::min(points.size(), qsizetype(MaxCodePoints)));
    }
    kept = kept.trimmed();

    graphemes = QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, kept);
    int count = 0;
    while (graphemes.toNextBoundary() != -1) {
        if (++count == MaxLength) {
            kept.truncate(graphemes.position());
            break;
        }
    }
    return kept.trimmed();
}

QString ofSystemUser()
{
    if (const passwd *account = ::getpwuid(::getuid())) {
        // The comment field: the full name, then, after commas, the office and telephones.
        const QString fullName =
            clean(QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0));
        if (!fullName.isEmpty())
            return fullName;
        if (const QString login = clean(QString::fromLocal8Bit(account->pw_name)); !login.isEmpty())
            return login;
    }
    //: The name a result is stored under where the system names no user.
    return QCoreApplication::translate("Board", "Player");
}

} // namespace PlayerName
