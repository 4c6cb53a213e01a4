// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QLocale>

#include <array>

struct ScoreEntry;

// One row of the score table: rank, name, score and date in four columns that line up from row
// to row whatever the names. Each column is drawn on its own, in its own direction, so that a
// right-to-left name or date never reorders the others; the row keeps the window's order. A
// screen reader reads the row as one line, its text, and hears which row is the new result.
// Its texts belong to the score window.
class ScoreRow : public QLabel {
    Q_OBJECT

public:
    enum Column { Rank, Name, Score, Date, ColumnCount };

    // Row `rank` (from 1) of the table, its numbers and dates written as `locale` writes them.
    ScoreRow(int rank, const QLocale &locale, QWidget *parent);

    // A score as the table writes it.
    static QString scoreText(int score, const QLocale &locale);

    // Shows `entry`, or an empty place; `isNew`: the result just stored, marked in red.
    void showEntry(const ScoreEntry *entry, bool isNew = false);

    // Where each column is drawn in the row, and what it shows there.
    QRect columnRect(Column column) const;
    QString columnText(Column column) const { return m_columns[column]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_rank;
    QLocale m_locale;
    std::array<QString, ColumnCount> m_columns;
};
