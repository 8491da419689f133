#pragma once

#include "pictograms/Annotations.h"
#include "pictograms/Pictograms.h"

#include <QHash>

#include <vector>

namespace lumari::bench {

// The plain way to find pictograms: the words kept as CLDR writes them, and
// at each keystroke every name and keyword folded, split and compared in turn.
// Same rules and order as PictogramIndex::Search, variants folded into their base.
class PlainSearch {
public:
    explicit PlainSearch(AnnotationSet set);
    std::vector<PictogramMatch> Search(const QString& typed, int limit) const;

private:
    AnnotationSet set_;
    std::vector<const PictogramWords*> base_;  // per pictogram: the base its skin-tone and gender variants fold into
    QHash<const PictogramWords*, int> keywords_;  // per pictogram: its distinct folded keywords
};

}  // namespace lumari::bench
