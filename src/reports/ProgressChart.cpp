#include "reports/ProgressChart.h"

#include "reports/ReportText.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace lumari {

namespace {

QLineSeries* Series(const QString& name, QColor color)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPointsVisible(true);
    QPen pen(color);
    pen.setWidthF(2);
    series->setPen(pen);
    return series;
}

}  // namespace

QChart* MakeProgressChart(const std::vector<SessionSummary>& sessions)
{
    auto* chart = new QChart;
    if (sessions.empty()) {
        // No axes: with no game their dates would be the clock's start.
        chart->setTitle(ReportText::tr("No games yet"));
        chart->legend()->hide();
        return chart;
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* success = Series(ReportText::tr("Right first (%)"), QColor(0x1f, 0x77, 0xb4));
    auto* response = Series(ReportText::tr("Median time (s)"), QColor(0xd9, 0x5f, 0x02));
    double slowest = 1;
    for (const SessionSummary& s : sessions) {
        const double at = double(s.started.toMSecsSinceEpoch());
        if (const auto percent = Percent(s.firstRight, s.firstAnswered)) success->append(at, *percent);
        if (s.medianResponseMs) {
            response->append(at, double(*s.medianResponseMs) / 1000);
            slowest = std::max(slowest, double(*s.medianResponseMs) / 1000);
        }
    }
    chart->addSeries(success);
    chart->addSeries(response);

    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("yyyy-MM-dd"));
    time->setTickCount(3);
    // A day on each side, so a single game has room.
    time->setRange(sessions.front().started.addDays(-1), sessions.back().started.addDays(1));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d"));
    percent->setTitleText(ReportText::tr("%"));
    auto* seconds = new QValueAxis;
    // Four steps of whole half-seconds, level with the percent axis's lines.
    seconds->setRange(0, 4 * std::ceil(slowest / 4 * 2) / 2);
    seconds->setLabelFormat(QStringLiteral("%.1f"));
    seconds->setTitleText(ReportText::tr("s"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    chart->addAxis(seconds, Qt::AlignRight);
    success->attachAxis(time), success->attachAxis(percent);
    response->attachAxis(time), response->attachAxis(seconds);
    return chart;
}

}  // namespace lumari
