#pragma once

namespace lumari {

struct GameOptions;
struct GameTally;
struct RoundState;
struct Services;

// Right when the placeholder's tag equals the image's tag, letter case
// ignored. Error 9 for an index outside the four placeholders.
bool IsRightAnswer(const RoundState& round, int index);

// How an answer was judged.
struct AnswerOutcome {
    bool judged = false;  // the placeholder exists: the answer was judged
    bool right = false;   // right: the caller starts the next round
    bool first = false;   // the round's first answer, the one counted
};

// A click on placeholder `index`: only the round's first answer is counted
// in the tally, and the answer's sound is started when sounds are on and one
// is chosen.
// A right answer ends the round: the next one is started by the caller,
// after the sound has started. With a teaching plan, a right answer given
// with a prompt on show plays the prompted sound instead, when sounds are on
// and a right answer has a sound.
AnswerOutcome Simbolo_Click(const Services& services, const GameOptions& options, GameTally& tally, RoundState& round,
                            int index, bool prompted = false);

// The sound of a right answer given with a prompt, in a folder of Sounds
// that the options window's lists do not read.
inline constexpr const char* kPromptedSound = "Prompt\\prompted.wav";

}  // namespace lumari
