#pragma once

#include <QStringList>

class QTextStream;

namespace lumari {

// Exit statuses of "lumari-teacher report".
namespace report_status {
constexpr int kDone = 0;
constexpr int kUnknownLearner = 1;
constexpr int kUsage = 2;
constexpr int kCannotWrite = 3;  // the history, the CSV or the PDF
}  // namespace report_status

// lumari-teacher report --learner NAME [--from DATE] [--to DATE] [--csv FILE] [--pdf FILE]
// arguments: those after "report"; DATE is YYYY-MM-DD, both ends included.
// Writes the rounds as CSV and the one-page report as PDF, as asked; tells
// the learner's totals and the files written on out, and what went wrong on
// err. Needs a QApplication (the chart is a widget). Returns the exit status.
int RunReportCommand(const QStringList& arguments, const QString& historyPath, QTextStream& out, QTextStream& err);

}  // namespace lumari
