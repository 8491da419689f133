#pragma once

#include <QString>

namespace lumari {

struct Services;

// Creates the folders of a new, empty image set in the program's folder:
// "Set_" + name, then its Images and Symbols folders. Reports a failure once.
void CreaSet(const Services& services, const QString& name);

}  // namespace lumari
