#pragma once

#include <QStringList>

namespace lumari {
class Catalogue;
struct Services;
}  // namespace lumari

namespace lumari::bench {

// The names of `names` without a counterpart in `others`, letter case
// ignored, found by comparing every name with every other, with no early
// stop: the check as first written, to measure the linear way against.
QStringList WithoutCounterpartByScan(const QStringList& names, const QStringList& others);

// ControllaCoerenza's boxes and log, with the names matched by the scan.
void ControllaCoerenzaByScan(const Services& services, const Catalogue& images, const Catalogue& symbols);

}  // namespace lumari::bench
