#pragma once

#include <QString>
#include <cstdint>

namespace lumari {

// The program-wide variables through which the options window hands the
// options on; the game is played with them as its GameOptions and keeps its
// own counts (GameTally). One instance per run; read and written directly by
// the windows. Booleans are 16-bit: -1 true, 0 false.
struct Module1 {
    std::int16_t ShowLabels = 0;
    std::int16_t PlaySounds = 0;
    std::int32_t MaxPlaceholders = 0;
    std::int16_t WayToWork = 0;
    QString SoundOk;
    QString SoundWrong;
    QString ImagesSet;
};

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// Image drawing modes of WayToWork.
constexpr std::int16_t kRandomWithRepeats = 1;
constexpr std::int16_t kControlledRandom = 2;

}  // namespace lumari
