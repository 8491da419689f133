#pragma once

#include <QStringList>

class QTextStream;

namespace lumari {

class Files;

// lumari-teacher check --set NAME
// Prints one line per thing that would spoil the set's rounds (see
// CheckSet). Exit status: 0 when the set is sound, 1 when something is
// listed, 2 for a usage error or a set that does not exist.
// arguments: what follows "check".
int RunCheckCommand(const QStringList& arguments, Files& files, QTextStream& out, QTextStream& err);

}  // namespace lumari
