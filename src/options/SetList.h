#pragma once

#include "sets/SetList.h"

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

}  // namespace lumari
