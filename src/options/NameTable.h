#pragma once

#include "sets/SetList.h"  // kMaxListedNames

#include <QString>
#include <QStringList>

#include <functional>

namespace lumari {

class ErrorTrap;
class Files;

// Walks a directory listing from its first result to its end and keeps the
// entries that accept() takes, in listing order, up to kMaxListedNames; the
// rest of a longer listing is left out. Each listing call is a step of the
// caller's trap: a failing accept() is reported and the entry judged on.
QStringList CollectListing(Files& files, ErrorTrap& trap, const QString& pattern, int attributes,
                           const std::function<bool(const QString& entry)>& accept);

// Bubble sort in passes while a pass swapped anything; a neighbour pair is
// swapped only when greater() holds, so equal names keep their order.
void BubbleSort(QStringList& names, const std::function<bool(const QString&, const QString&)>& greater);

}  // namespace lumari
