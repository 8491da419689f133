#pragma once

#include <QString>

namespace lumari {

// The program's title: the caption of message boxes that carry no title of
// their own, and of the options and game windows.
inline const QString kAppTitle = QStringLiteral("Lumari !");

constexpr int kVersionMajor = 3;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

}  // namespace lumari
