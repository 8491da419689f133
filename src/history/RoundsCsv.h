#pragma once

#include "history/Progress.h"

#include <QByteArray>
#include <QString>

namespace lumari {

// One field as CSV holds it: quoted, with its quotes doubled, when it holds
// a comma, a quote, a line break or blanks at either end.
QString CsvField(const QString& text);

// The rounds as CSV in UTF-8: a header line, then one line per round, lines
// ended by CR LF. learner: the name written on every line.
QByteArray RoundsCsv(const QString& learner, const std::vector<RoundRow>& rounds);

}  // namespace lumari
