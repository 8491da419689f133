#pragma once

#include <QString>

namespace lumari {

// Turns a path as the program builds it ("\" separators, any letter case)
// into the path of the existing file or folder on this file system. Each
// component that does not exist with its exact spelling is matched ignoring
// letter case; components that match nothing are kept as written.
QString ResolvePath(const QString& path);

// "\" and "/" are both separators; the result uses "/".
QString NormalizeSeparators(const QString& path);

// Wildcard match of a file name ("*" any run, "?" one character), ignoring
// letter case; a pattern ending in ".*" also takes a name without extension.
bool MatchesPattern(const QString& name, const QString& pattern);

}  // namespace lumari
