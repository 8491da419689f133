#pragma once

#include <QString>
#include <QStringList>

namespace lumari {

class Runtime;
class Catalogue;

// The names of `names` that have no counterpart in `others`, letter case
// ignored, in their own order (duplicates kept). Linear time.
QStringList WithoutCounterpart(const QStringList& names, const QStringList& others);

// The same result by comparing every name with every other, as the check
// was first written: kept to measure the linear way against, and as its
// reference.
QStringList WithoutCounterpartByScan(const QStringList& names, const QStringList& others);

// How the check finds the names without a counterpart.
using CounterpartMatcher = QStringList (*)(const QStringList& names, const QStringList& others);

// The message of a list of missing names: the heading, then each name on a
// line of its own (CR LF before each); "" when nothing is missing.
QString MissingReport(const QString& heading, const QStringList& missing);

// Checks that every image has a symbol and every symbol an image, tells the
// user, and rewrites the log "LumariCheck.log" beside the executable. Every
// step is trapped as ControllaCoerenza: a log that cannot be written is
// reported and the checks still happen.
void ControllaCoerenza(Runtime& runtime, const Catalogue& images, const Catalogue& symbols,
                       CounterpartMatcher matcher = WithoutCounterpart);

}  // namespace lumari
