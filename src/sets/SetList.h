#pragma once

#include <QStringList>

namespace lumari {

// The options window lists at most this many sets, and as many sounds.
constexpr int kMaxListedNames = 1000;

// The image sets in the program's folder as the options window lists them:
// every folder whose name begins with "Set_" in any letter case gives the
// rest of its name, in its own case; hidden folders and names holding "\"
// are left out; at most kMaxListedNames, taken in folder order; sorted by
// SortSetNames. A folder that cannot be read lists nothing.
QStringList SetNames(const QString& programFolder);

// Ascending without regard to letter case; names equal but for case keep
// their listing order.
void SortSetNames(QStringList& names);

}  // namespace lumari
