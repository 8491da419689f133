#include "state/CreaSet.h"

namespace lumari {

void CreaSet(Runtime&, const QString&) {}

}  // namespace lumari
