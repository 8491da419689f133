#include "game/Answer.h"

#include "game/GameOptions.h"
#include "game/GameTally.h"
#include "game/Round.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"
#include "state/SetLayout.h"
#include "state/Sound.h"

namespace lumari {

bool IsRightAnswer(const RoundState& round, int index)
{
    if (index < 0 || index >= kPlaceholderSlots) throw RuntimeError(err::SubscriptOutOfRange);
    return round.symbolTags[std::size_t(index)].toUpper() == round.imageTag.toUpper();
}

AnswerOutcome Simbolo_Click(const Services& services, const GameOptions& options, GameTally& tally, RoundState& round,
                            int index, bool prompted)
{
    ErrorTrap trap(services.boxes, QStringLiteral("Simbolo_Click"));
    AnswerOutcome answer;
    // No such placeholder: nothing to judge.
    if (!trap([&] { answer.right = IsRightAnswer(round, index); })) return answer;
    answer.judged = true;

    std::int32_t& counter = answer.right ? tally.SessionCorrect : tally.SessionWrong;
    if (round.firstAnswerPending) {
        answer.first = true;
        trap([&] { counter = AddInt32(counter, 1); });
        round.firstAnswerPending = false;
    }
    // The prompted bell stands in for the right answer's sound: silent when that is.
    const QString sound = !answer.right                        ? options.SoundWrong
                          : prompted && !options.SoundOk.isEmpty() ? QString::fromLatin1(kPromptedSound)
                                                                   : options.SoundOk;
    if (!sound.isEmpty() && options.PlaySounds)
        API_PlaySound(services, SetLayout(services.files.AppPath()).Sound(sound));
    return answer;
}

}  // namespace lumari
