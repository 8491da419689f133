#pragma once

#include "history/Progress.h"

#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;

namespace lumari {

// What one report shows.
struct ReportContent {
    QString learner;  // the name, or "No learner chosen"
    Period period;    // as asked; an open end shows the first or last game's day
    Progress progress;
};

// Paints the report on one page: the learner, the period, the totals, the
// next checks, the chart, the latest games with their plans, and the table
// of pictures with their stages, still to learn first, as many as the page
// holds with a line telling how many more there are.
void PaintReport(QPainter& painter, const QRectF& page, const ReportContent& content);

// The rounds as CSV (RoundsCsv), written whole or not at all. "" when
// written, otherwise why not.
QString WriteCsvReport(const QString& path, const QString& learner, const std::vector<RoundRow>& rounds);
// The report as a one-page A4 PDF. "" when written, otherwise why not.
QString WritePdfReport(const QString& path, const ReportContent& content);
// The report on a printer the caller has set up. "" when printed, otherwise why not.
QString PrintReport(QPrinter& printer, const ReportContent& content);

}  // namespace lumari
