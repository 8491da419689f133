#pragma once

#include <QString>

namespace lumari {

class Runtime;

// Creates the folders of a new, empty image set beside the executable:
// "Set_" + name, then its Images and Symbols folders. Reports a failure once.
void CreaSet(Runtime& runtime, const QString& name);

}  // namespace lumari
