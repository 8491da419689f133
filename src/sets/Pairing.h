#pragma once

#include <QStringList>

namespace lumari {

// The pairing rule of a set: an image and a symbol belong together when
// their file names are equal ignoring letter case. The names of `names` that
// have no counterpart in `others`, in their own order (duplicates kept).
// Linear time.
QStringList WithoutCounterpart(const QStringList& names, const QStringList& others);

}  // namespace lumari
