#pragma once

#include "sets/SetFolder.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace lumari {

class SetInfo;

// Something that makes a set's rounds wrong or unanswerable.
struct SetFinding {
    enum class Kind {
        HalfPair,    // a pair lacks its image or its symbol (missing says which)
        SameSymbol,  // two or more pairs show the same picture as their symbol
        SameName,    // two or more files of one folder whose names differ only in letter case
    };
    Kind kind = Kind::HalfPair;
    QStringList pairs;           // the pairs concerned, in the grid's order (one for a half pair)
    Side missing = Side::Symbol; // for a half pair: the side it lacks
};

// "half pair: lake: no symbol", "half pair: cat: no image",
// "same symbol: mamma, papà", "same name: Cat, cat".
QString FindingLine(const SetFinding& finding);

// Checks a set before it is played: its half pairs, the pairs whose symbols
// are the same picture (the same pictogram by the set's set.json, or the
// same stored bytes) and the pictures whose names differ only in letter
// case. Half pairs first, then the rest, each in the grid's order; empty when
// the set is sound. Reads the symbols' files; never throws.
std::vector<SetFinding> CheckSet(const SetFolder& folder, const SetInfo& info);

}  // namespace lumari
