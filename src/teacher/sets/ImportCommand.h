#pragma once

#include <QStringList>

class QTextStream;

namespace lumari {

class SymbolMaker;
struct Services;

// Exit statuses of the command line.
constexpr int kAllWhole = 0;      // every file became a whole pair, or was in the set already
constexpr int kSomeLeftOut = 1;   // some file was skipped or left without a symbol
constexpr int kUsageError = 2;    // bad arguments, or a set name that cannot be used

// The program's command lines, one a line, as its manual page's synopsis
// gives them: printed by --help and after a usage error.
const char* TeacherSynopsis();

// lumari-teacher import [--language CODE[,CODE...]] --set NAME FILE_OR_FOLDER...
// Does what dropping those files on the Sets page does: makes the set when
// it is missing (by the rule of "Create new set"), imports, prints one line
// per file and a summary. Runs its own event loop until the import ends.
// arguments: what follows the program's name.
int RunTeacherCommand(const QStringList& arguments, const Services& services, const SymbolMaker& symbols,
                      QTextStream& out, QTextStream& err);

}  // namespace lumari
