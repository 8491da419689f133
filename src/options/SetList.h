#pragma once

#include <QString>
#include <QStringList>

namespace lumari {

class ErrorTrap;
class Files;

// The image sets beside the executable: every folder whose name begins with
// "Set_" in any letter case gives the rest of its name, in its own case.
// Listing and attribute failures are reported through the trap; an entry
// whose attributes cannot be read is judged as a folder.
QStringList ListImageSets(Files& files, ErrorTrap& trap);

// Ascending without regard to letter case; names equal but for case keep
// their listing order.
void SortSetNames(QStringList& names);

}  // namespace lumari
