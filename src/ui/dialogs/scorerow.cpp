// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "scorerow.h"

#include "colors.h"
#include "scores/scoretable.h"
#include "twips.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QTextOption>

namespace {

// In twips, from the row's left edge: the rank and the score right-aligned, so that their
// digits line up; the name and the date from the left.
struct ColumnSpec {
    float left;
    float width;
    Qt::Alignment alignment;
};
constexpr ColumnSpec Columns[ScoreRow::ColumnCount] = {
    {0, 300, Qt::AlignRight},    // rank
    {390, 2040, Qt::AlignLeft},  // name
    {2460, 540, Qt::AlignRight}, // score
    {3120, 1200, Qt::AlignLeft}, // date
};

} // namespace

ScoreRow::ScoreRow(int rank, const QLocale &locale, QWidget *parent)
    : QLabel(parent), m_rank(rank), m_locale(locale)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
}

QRect ScoreRow::columnRect(Column column) const
{
    const ColumnSpec &box = Columns[column];
    return {toolkit::twips::toPixels(box.left), 0, toolkit::twips::toPixels(box.width), height()};
}

QString ScoreRow::scoreText(int score, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(score);
}

void ScoreRow::showEntry(const ScoreEntry *entry, bool isNew)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, isNew ? toolkit::colors::Red : toolkit::colors::White);
    setPalette(colors);
    //: What a screen reader adds to the row of the result just stored.
    setAccessibleDescription(isNew ? QCoreApplication::translate("ScoreWindow", "your new result")
                                   : QString());
    const QString rank = m_locale.toString(m_rank);
    m_columns[Rank] = rank + QLatin1Char('.');
    if (!entry) {
        //: A place of the score table that nobody holds yet.
        m_columns[Name] = QCoreApplication::translate("ScoreWindow", "–");
        m_columns[Score].clear();
        m_columns[Date].clear();
        //: What a screen reader says of an empty place of the score table; %1 is the rank.
        setText(QCoreApplication::translate("ScoreWindow", "%1, no result yet").arg(rank));
        update();
        return;
    }
    const QDate date = entry->achieved.toLocalTime().date();
    m_columns[Name] =
        fontMetrics().elidedText(entry->name, Qt::ElideRight, columnRect(Name).width());
    m_columns[Score] = scoreText(entry->score, m_locale);
    //: The date of a result in the score table, in Qt's date format (d the day, MMM the month's
    //: short name, M its number, yyyy the year): never to be read the wrong way round, and at
    //: most 80 pixels wide.
    m_columns[Date] =
        m_locale.toString(date, QCoreApplication::translate("ScoreWindow", "d MMM yyyy"));
    // One pass over the placeholders, so that a name holding "%1" stays as it is.
    //: What a screen reader says of a row of the score table: %1 the rank, %2 the name,
    //: %3 the score, %4 the date.
    setText(QCoreApplication::translate("ScoreWindow", "%1, %2, %3 points, %4")
                .arg(rank, entry->name, m_columns[Score],
                     m_locale.toString(date, QLocale::LongFormat)));
    update();
}

void ScoreRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int column = 0; column < ColumnCount; ++column) {
        const QString &text = m_columns[column];
        QTextOption option(Columns[column].alignment | Qt::AlignAbsolute | Qt::AlignTop);
        option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        option.setWrapMode(QTextOption::NoWrap);
        painter.drawText(QRectF(columnRect(Column(column))), text, option);
    }
}
