#pragma once

#include <QString>

namespace lumari {

// A file's identity and its last change to the nanosecond, as text: the file
// written again, even to the same size within one tick, or replaced by
// another, gives another stamp. "" when the file cannot be looked at.
QString FileStamp(const QString& file);

}  // namespace lumari
