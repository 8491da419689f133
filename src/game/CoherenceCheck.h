#pragma once

#include "sets/Pairing.h"  // WithoutCounterpart

#include <QString>
#include <QStringList>

namespace lumari {

class Catalogue;
struct Services;

// The message of a list of missing names: the heading, then each name on a
// line of its own (CR LF before each); "" when nothing is missing.
QString MissingReport(const QString& heading, const QStringList& missing);

// Checks that every image has a symbol and every symbol an image, tells the
// user, and rewrites the log "LumariCheck.log" in the program's folder. Every
// step is trapped as ControllaCoerenza: a log that cannot be written is
// reported and the checks still happen.
void ControllaCoerenza(const Services& services, const Catalogue& images, const Catalogue& symbols);

}  // namespace lumari
