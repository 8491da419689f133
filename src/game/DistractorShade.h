#pragma once

#include "game/Round.h"
#include "game/TeachingPlan.h"

#include <array>

namespace lumari {

class ImageBox;

// A teaching plan's prompt as the game window draws it: each distractor
// symbol at the round's opacity over the window's background (20 % dimmed,
// 0 hidden); the right symbol, the captions and all else left as they are.
class DistractorShade {
public:
    explicit DistractorShade(const std::array<ImageBox*, kPlaceholderSlots>& boxes) : boxes_(boxes) {}

    // At once: a change within one frame is well within the prompt's 200 ms.
    void Apply(const PromptState& state, const RoundState& round);

private:
    std::array<ImageBox*, kPlaceholderSlots> boxes_;
};

}  // namespace lumari
