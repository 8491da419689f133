#pragma once

#include "pictograms/Annotations.h"
#include "pictograms/Pictograms.h"

#include <vector>

namespace lumari::bench {

// The plain way to find pictograms: the words kept as CLDR writes them, and
// at each keystroke every name and keyword folded, split and compared in turn.
// Same rules and order as PictogramIndex::Search.
class PlainSearch {
public:
    explicit PlainSearch(AnnotationSet set) : set_(std::move(set)) {}
    std::vector<PictogramMatch> Search(const QString& typed, int limit) const;

private:
    AnnotationSet set_;
};

}  // namespace lumari::bench
