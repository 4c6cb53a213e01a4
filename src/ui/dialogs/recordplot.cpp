// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "recordplot.h"

#include "colors.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Room at the edges, in pixels, so that the mark of the last game shows whole.
constexpr qreal Margin = 3;
constexpr qreal MarkRadius = 2.5;
// The top of the plot: the highest score shown, rounded up to this.
constexpr int TopStep = 100;

} // namespace

RecordPlot::RecordPlot(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    //: What a screen reader calls the plot of the last games' scores in the score window.
    setAccessibleName(tr("Scores of the last games"));
}

void RecordPlot::showRecord(const RecordSummary &record, std::optional<int> fifthPlace)
{
    m_scores = record.recent;
    m_fifthPlace = fifthPlace;
    m_average = record.averageOfAll();
    const int highest =
        m_scores.isEmpty() ? 0 : *std::max_element(m_scores.begin(), m_scores.end());
    m_top = std::max({highest, fifthPlace.value_or(0), TopStep});
    m_top = (m_top + TopStep - 1) / TopStep * TopStep;
    const QLocale locale;
    QString words;
    if (!m_scores.isEmpty()) {
        const int lowest = *std::min_element(m_scores.begin(), m_scores.end());
        //: What a screen reader says of the plot: %1 how many games it shows, %2 their lowest
        //: score, %3 their highest, %4 the last game's score.
        words = tr("%1 games, from %2 to %3 points; the last one %4 points")
                    .arg(locale.toString(m_scores.size()), locale.toString(lowest),
                         locale.toString(highest), locale.toString(m_scores.last()));
    }
    setAccessibleDescription(words);
    update();
}

qreal RecordPlot::heightOf(double score) const
{
    const qreal span = height() - 2 * Margin;
    return Margin + span * (1.0 - score / m_top);
}

void RecordPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal left = Margin;
    const qreal right = width() - Margin;
    // The floor of the plot: a score of 0.
    painter.setPen(QPen(toolkit::colors::DarkGrey, 1));
    painter.drawLine(QPointF(left, heightOf(0)), QPointF(right, heightOf(0)));
    if (m_scores.isEmpty())
        return;
    if (m_fifthPlace) {
        painter.setPen(QPen(toolkit::colors::Red, 1, Qt::DashLine));
        painter.drawLine(QPointF(left, heightOf(*m_fifthPlace)),
                         QPointF(right, heightOf(*m_fifthPlace)));
    }
    painter.setPen(QPen(toolkit::colors::White, 1, Qt::DotLine));
    painter.drawLine(QPointF(left, heightOf(m_average)), QPointF(right, heightOf(m_average)));
    // The games in the places of the last RecentCount, the last one at the right edge.
    const qreal step = (right - left) / (GameRecord::RecentCount - 1);
    const auto place = [&](qsizetype game) {
        return QPointF(right - step * qreal(m_scores.size() - 1 - game), heightOf(m_scores[game]));
    };
    QPainterPath line(place(0));
    for (qsizetype game = 1; game < m_scores.size(); ++game)
        line.lineTo(place(game));
    painter.setPen(QPen(toolkit::colors::White, 1));
    painter.drawPath(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toolkit::colors::Red);
    painter.drawEllipse(place(m_scores.size() - 1), MarkRadius, MarkRadius);
}
