#pragma once

#include "game/AccessOptions.h"
#include "game/TeachingPlan.h"

#include <QString>

#include <cstdint>

namespace lumari {

// How the next image is drawn.
enum class Drawing {
    RandomWithRepeats,  // an image may come again, even in the very next round
    ControlledRandom,   // each image of the set once, then the set ends
};

// What one game is played with, as the options chose it. Named as the
// described options are, so each routine that reads one can be traced.
struct GameOptions {
    QString ImagesSet;              // the set's name, without "Set_"
    bool ShowLabels = false;        // the names under the pictures
    bool PlaySounds = false;        // a sound after each answer
    QString SoundOk;                // bare WAV file name in Sounds; "" for none
    QString SoundWrong;
    std::int32_t MaxPlaceholders = 2;  // placeholders in use: 2 to 4 (1 when none was chosen)
    Drawing WayToWork = Drawing::RandomWithRepeats;
    AccessOptions access;           // the learner's; the defaults give the described game
    TeachingPlan plan;  // the learner's; none: the described game
};

}  // namespace lumari
