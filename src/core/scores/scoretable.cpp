// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scoretable.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

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

bool inCategories(char32_t c, std::initializer_list<QChar::Category> categories)
{
    return std::find(categories.begin(), categories.end(), QChar::category(c)) != categories.end();
}

// What shows nothing of its own: controls, line and paragraph separators, and format
// characters such as the bidirectional controls and the zero-width space.
bool isInvisible(char32_t c)
{
    return inCategories(c, {QChar::Other_Control, QChar::Other_Format, QChar::Separator_Line,
                            QChar::Separator_Paragraph});
}

bool isMark(char32_t c)
{
    return inCategories(
        c, {QChar::Mark_NonSpacing, QChar::Mark_SpacingCombining, QChar::Mark_Enclosing});
}

// Unicode's Default_Ignorable_Code_Point (DerivedCoreProperties.txt, Unicode 15).
bool isDefaultIgnorable(char32_t c)
{
    static constexpr std::pair<char32_t, char32_t> Ranges[] = {
        {0x00AD, 0x00AD},   {0x034F, 0x034F}, {0x061C, 0x061C},   {0x115F, 0x1160},
        {0x17B4, 0x17B5},   {0x180B, 0x180F}, {0x200B, 0x200F},   {0x202A, 0x202E},
        {0x2060, 0x206F},   {0x3164, 0x3164}, {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
        {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
        {0xE0000, 0xE0FFF},
    };
    return std::any_of(std::begin(Ranges), std::end(Ranges),
                       [c](const auto &range) { return c >= range.first && c <= range.second; });
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
    // stays. Marks past the most any writing needs go, so that a name stays small on disk as on
    // screen; an endless chain of joined pictures goes whole, as no part of it may stand alone.
    QString kept;
    kept.reserve(spaced.size());
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, spaced);
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) != -1; start = end) {
        // Half a character, cut off from its other half, goes.
        if (!spaced.mid(start, end - start).isValidUtf16())
            continue;
        const QList<uint> points = spaced.mid(start, end - start).toUcs4();
        if (std::all_of(points.begin(), points.end(), [](uint c) { return isInvisible(c); }))
            continue;
        std::u32string character;
        int marks = 0;
        for (const uint c : points) {
            if (!isMark(c) || ++marks <= MaxMarks)
                character += char32_t(c);
        }
        if (qsizetype(character.size()) - std::min(marks, MaxMarks) <= MaxCodePoints)
            kept += QString::fromStdU32String(character);
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

bool isBlank(const QString &name)
{
    const QList<uint> points = name.toUcs4();
    return std::all_of(points.begin(), points.end(), [](uint c) {
        return QChar::isSpace(c) || isDefaultIgnorable(c) || c == 0x2800; // the braille blank
    });
}

QString ofSystemUser()
{
    if (const passwd *account = ::getpwuid(::getuid())) {
        // The comment field: the full name, then, after commas, the office and telephones.
        const QString fullName =
            clean(QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0));
        if (!isBlank(fullName))
            return fullName;
        if (const QString login = clean(QString::fromLocal8Bit(account->pw_name)); !isBlank(login))
            return login;
    }
    //: The name a result is stored under where the system names no user.
    return QCoreApplication::translate("Board", "Player");
}

} // namespace PlayerName
