// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#pragma once

#include "scores/gamerecord.h"

#include <QWidget>

#include <optional>

// The scores of the last games as a line, the last game at the right edge, over a dashed line
// at the fifth place's score and a dotted one at the average of all games; the last game is
// marked in red. A screen reader hears the same in words, as its description.
class RecordPlot : public QWidget {
    Q_OBJECT

public:
    explicit RecordPlot(QWidget *parent);

    // `fifthPlace`: the score a game must beat to make a full table; none while it is not full.
    void showRecord(const RecordSummary &record, std::optional<int> fifthPlace);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where a game of `score` stands, in pixels from the top.
    qreal heightOf(double score) const;

    QList<int> m_scores;
    std::optional<int> m_fifthPlace;
    double m_average = 0.0;
    int m_top = 0; // the score at the plot's top edge
};
