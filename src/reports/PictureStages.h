#pragma once

#include "history/Progress.h"

#include <QString>

namespace lumari {

// A picture's stage as the page and the report write it: "new", "teaching",
// "mastered", "check due", "kept".
QString StageText(Stage stage);
// The day of the picture's next check, while it is mastered or due; "" otherwise.
QString NextCheckText(const PictureMastery& mastery);

// "Next checks: cat due since 2026-12-07, dog on 2026-12-14, … and 2 more":
// the pictures due for a check first, then those mastered by the day of their
// check, at most `most` of them named; "" when none is mastered.
QString NextChecksText(const Progress& progress, int most = 5);

}  // namespace lumari
