#pragma once

#include <optional>

namespace lumari {

// "--help", "-h" or "--version" as a program's only argument: prints its
// synopsis (as its manual page gives it) or its name and version on the
// standard output and gives the exit status 0. Any other command line gives
// nothing: the program goes on as without these. Read before any window
// system is reached, so it answers without a display.
std::optional<int> AnswerHelpOrVersion(int argc, char* argv[], const char* program, const char* synopsis);

}  // namespace lumari
