#include "reports/ReportPage.h"

#include "history/RoundsCsv.h"
#include "reports/PictureStages.h"
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
constexpr QSize kChartSize(660, 250);
constexpr double kChartShare = 0.24;  // of the page's height
// The latest games in the games table; the pictures take the rest of the page.
constexpr int kMostGames = 6;
constexpr double kTablePoints = 9;

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

// The rows of a table shown, first to first + count.
struct TableRows {
    const ProgressTable& table;
    std::size_t first = 0;
    std::size_t count = 0;
};

// The narrowest width that holds the header on two lines, broken between words.
double HeaderWidth(const QFontMetrics& metrics, const QString& header)
{
    const QStringList words = header.split(QLatin1Char(' '));
    double narrowest = metrics.horizontalAdvance(header);
    for (qsizetype k = 1; k < words.size(); ++k)
        narrowest = std::min(narrowest, double(std::max(metrics.horizontalAdvance(words.mid(0, k).join(QLatin1Char(' '))),
                                                        metrics.horizontalAdvance(words.mid(k).join(QLatin1Char(' '))))));
    return narrowest;
}

// Each column as wide as its widest value or its header on two lines, the
// page's width shared out in those proportions.
std::vector<double> ColumnWidths(QPainter& painter, const TableRows& rows, double width)
{
    const std::size_t columns = std::size_t(rows.table.headers.size());
    std::vector<double> widths(columns, 1);
    SetFont(painter, kTablePoints, true);
    for (std::size_t c = 0; c < columns; ++c) widths[c] = HeaderWidth(painter.fontMetrics(), rows.table.headers[qsizetype(c)]);
    SetFont(painter, kTablePoints);
    for (std::size_t r = rows.first; r < rows.first + rows.count; ++r)
        for (std::size_t c = 0; c < columns && c < rows.table.rows[r].size(); ++c)
            widths[c] = std::max(widths[c], double(painter.fontMetrics().horizontalAdvance(rows.table.rows[r][c].text)));
    const double gap = painter.fontMetrics().horizontalAdvance(QStringLiteral("MM"));
    double total = 0;
    for (double& w : widths) total += (w += gap);
    for (double& w : widths) w *= width / total;
    return widths;
}

// A row of cells; a header's words wrap within its cell (its height holds
// two lines), a value too wide for its cell is elided in the middle.
void PaintRow(QPainter& painter, const QRectF& page, double y, double height, const QStringList& cells,
              const std::vector<bool>& numeric, const std::vector<double>& widths, bool header = false)
{
    double x = page.left();
    for (std::size_t i = 0; i < std::size_t(cells.size()) && i < widths.size(); ++i) {
        const Qt::Alignment align = i < numeric.size() && numeric[i] ? Qt::AlignRight : Qt::AlignLeft;
        const QRectF cell(x, y, widths[i] - page.width() * 0.01, height);
        const QString& text = cells[qsizetype(i)];
        if (header)
            painter.drawText(cell, int(align | Qt::AlignBottom | Qt::TextWordWrap), text);
        else
            painter.drawText(cell, align | Qt::AlignVCenter, painter.fontMetrics().elidedText(text, Qt::ElideMiddle, int(cell.width())));
        x += widths[i];
    }
}

// The header and those rows at y, moving y below them.
void PaintTable(QPainter& painter, const QRectF& page, double& y, const TableRows& rows)
{
    const std::vector<double> widths = ColumnWidths(painter, rows, page.width());
    SetFont(painter, kTablePoints, true);
    const double height = LineHeight(painter);
    PaintRow(painter, page, y, 2 * height, rows.table.headers, rows.table.numeric, widths, true);
    y += 2 * height;
    painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    SetFont(painter, kTablePoints);
    for (std::size_t r = rows.first; r < rows.first + rows.count; ++r) {
        QStringList texts;
        for (const TableCell& cell : rows.table.rows[r]) texts << cell.text;
        PaintRow(painter, page, y, height, texts, rows.table.numeric, widths);
        y += height;
    }
}

// The latest games, with their plans.
void PaintGames(QPainter& painter, const QRectF& page, double& y, const Progress& progress)
{
    const ProgressTable table = SessionsTable(progress);
    const std::size_t shown = std::min(table.rows.size(), std::size_t(kMostGames));
    PaintTable(painter, page, y, {table, table.rows.size() - shown, shown});
    if (const std::size_t earlier = table.rows.size() - shown; earlier > 0)
        Line(painter, page, y, earlier == 1 ? ReportText::tr("… and 1 earlier game") : ReportText::tr("… and %1 earlier games").arg(earlier));
}

// The pictures, still to learn first, as many as the page holds.
void PaintPictures(QPainter& painter, const QRectF& page, double y, const Progress& progress)
{
    const ProgressTable table = ImagesTable(progress);
    SetFont(painter, kTablePoints);
    const double height = LineHeight(painter);
    // Room below the header for the rows, and one line to say how many more there are.
    const int room = int((page.bottom() - y) / height) - 2 - 1;
    const std::size_t shown = int(table.rows.size()) <= room + 1 ? table.rows.size() : std::size_t(std::max(0, room));
    PaintTable(painter, page, y, {table, 0, shown});
    if (const std::size_t more = table.rows.size() - shown; more > 0)
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
    if (p.planned) Line(painter, page, y, ReportText::tr("First answers right without a prompt: %1").arg(PercentText(p.unpromptedRight, p.firstAnswered)));
    // As many checks named as the line holds.
    QString checks = NextChecksText(p);
    for (int most = 4; most > 0 && painter.fontMetrics().horizontalAdvance(checks) > page.width(); --most) checks = NextChecksText(p, most);
    if (!checks.isEmpty()) Line(painter, page, y, checks);
    y += LineHeight(painter) / 2;
    const QRectF chart(page.left(), y, page.width(), page.height() * kChartShare);
    PaintChart(painter, chart, p);
    y = chart.bottom() + LineHeight(painter) / 2;
    PaintGames(painter, page, y, p);
    y += LineHeight(painter) / 2;
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
