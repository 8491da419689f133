#pragma once

#include <cstdint>

namespace lumari {

// The counts of one game, 32-bit as the statistics keep them; each step that
// would overflow one is reported and leaves it as it was.
struct GameTally {
    std::int32_t SessionShown = 0;    // rounds drawn, answered or not
    std::int32_t SessionCorrect = 0;  // rounds whose first answer was right
    std::int32_t SessionWrong = 0;    // rounds whose first answer was wrong

    friend bool operator==(const GameTally&, const GameTally&) = default;
};

}  // namespace lumari
