#include "reports/ReportPage.h"

#include "history/RoundsCsv.h"
#include "reports/ProgressChart.h"
#include "reports/ProgressTables.h"
#include "reports/ReportText.h"

#include <QChartView>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace lumari {

namespace {

// The chart is laid out at this size in logical pixels, then scaled to its place.
constexpr QSize kChartSize(660, 290);
constexpr double kChartShare = 0.32;  // of the page's height

// Widths of the picture table's columns, in shares of the page's width.
constexpr double kColumns[] = {0.25, 0.16, 0.12, 0.17, 0.16, 0.14};

double LineHeight(const QPainter& painter) { return painter.fontMetrics().height() * 1.25; }

void SetFont(QPainter& painter, double points, bool bold = false)
{
    QFont font = painter.font();
    font.setPointSizeF(points);
    font.setBold(bold);
    painter.setFont(font);
}

// One line of text at y, moving y below it.
void Line(QPainter& painter, const QRectF& page, double& y, const QString& text)
{
    const double height = LineHeight(painter);
    painter.drawText(QRectF(page.left(), y, page.width(), height), Qt::AlignLeft | Qt::AlignVCenter, text);
    y += height;
}

void PaintChart(QPainter& painter, const QRectF& target, const Progress& progress)
{
    QChartView view(MakeProgressChart(progress.sessions));
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(kChartSize);
    // Laid out as on screen before it is drawn.
    view.grab();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    view.render(&painter, target, QRect(QPoint(0, 0), kChartSize), Qt::IgnoreAspectRatio);
}

// A row of cells; a header's words wrap within its cell (its height holds
// two lines), a value too wide for its cell is elided in the middle.
void PaintRow(QPainter& painter, const QRectF& page, double y, double height, const QStringList& cells,
              const std::vector<bool>& numeric, bool header = false)
{
    double x = page.left();
    for (int i = 0; i < cells.size() && i < int(std::size(kColumns)); ++i) {
        const double width = kColumns[i] * page.width();
        const Qt::Alignment align = std::size_t(i) < numeric.size() && numeric[std::size_t(i)] ? Qt::AlignRight : Qt::AlignLeft;
        const QRectF cell(x, y, width - page.width() * 0.01, height);
        if (header)
            painter.drawText(cell, int(align | Qt::AlignBottom | Qt::TextWordWrap), cells[i]);
        else
            painter.drawText(cell, align | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(cells[i], Qt::ElideMiddle, int(cell.width())));
        x += width;
    }
}

void PaintPictures(QPainter& painter, const QRectF& page, double y, const Progress& progress)
{
    const ProgressTable table = ImagesTable(progress);
    SetFont(painter, 9, true);
    const double height = LineHeight(painter);
    PaintRow(painter, page, y, 2 * height, table.headers, table.numeric, true);
    y += 2 * height;
    painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    SetFont(painter, 9);
    // Room for the rows, and one line to say how many more there are.
    const int room = int((page.bottom() - y) / height) - 1;
    const int shown = int(table.rows.size()) <= room + 1 ? int(table.rows.size()) : room;
    for (int r = 0; r < shown; ++r) {
        QStringList texts;
        for (const TableCell& cell : table.rows[std::size_t(r)]) texts << cell.text;
        PaintRow(painter, page, y, height, texts, table.numeric);
        y += height;
    }
    if (const int more = int(table.rows.size()) - shown; more > 0)
        Line(painter, page, y, more == 1 ? ReportText::tr("… and 1 more picture") : ReportText::tr("… and %1 more pictures").arg(more));
}

}  // namespace

void PaintReport(QPainter& painter, const QRectF& page, const ReportContent& content)
{
    const Progress& p = content.progress;
    double y = page.top();
    SetFont(painter, 18, true);
    Line(painter, page, y, ReportText::tr("Progress of %1").arg(content.learner));
    SetFont(painter, 10);
    Line(painter, page, y, ReportText::tr("Period: %1").arg(PeriodText(content.period, p)));
    Line(painter, page, y, ReportText::tr("Games: %1    Rounds shown: %2    First answers right: %3    Median response time: %4")
                               .arg(p.sessions.size()).arg(p.shown).arg(PercentText(p.firstRight, p.firstAnswered), SecondsText(p.medianResponseMs)));
    y += LineHeight(painter) / 2;
    const QRectF chart(page.left(), y, page.width(), page.height() * kChartShare);
    PaintChart(painter, chart, p);
    y = chart.bottom() + LineHeight(painter);
    PaintPictures(painter, page, y, p);
}

QString WriteCsvReport(const QString& path, const QString& learner, const std::vector<RoundRow>& rounds)
{
    const QByteArray bytes = RoundsCsv(learner, rounds);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return QString();
    return file.errorString();
}

QString WritePdfReport(const QString& path, const ReportContent& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(ReportText::tr("Progress of %1").arg(content.learner));
        pdf.setCreator(QStringLiteral("Lumari !"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        pdf.setResolution(300);
        QPainter painter;
        if (!painter.begin(&pdf)) return ReportText::tr("The PDF cannot be drawn.");
        PaintReport(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), content);
        painter.end();
    }
    if (!file.commit()) return file.errorString();
    return QString();
}

QString PrintReport(QPrinter& printer, const ReportContent& content)
{
    QPainter painter;
    if (!painter.begin(&printer)) return ReportText::tr("The printer cannot be used.");
    PaintReport(painter, QRectF(QPointF(0, 0), QSizeF(printer.width(), printer.height())), content);
    return painter.end() ? QString() : ReportText::tr("The printer did not take the page.");
}

}  // namespace lumari
