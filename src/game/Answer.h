#pragma once

#include <functional>

namespace lumari {

struct Module1;
struct RoundState;
struct Services;

// Right when the placeholder's tag equals the image's tag, letter case
// ignored. Error 9 for an index outside the four placeholders.
bool IsRightAnswer(const RoundState& round, int index);

// A click on placeholder `index`: only the round's first answer is counted,
// the answer's sound is started when sounds are on and one is chosen, and a
// right answer starts the next round (nextRound) after the sound has started.
void Simbolo_Click(const Services& services, Module1& module1, RoundState& round, int index,
                   const std::function<void()>& nextRound);

}  // namespace lumari
