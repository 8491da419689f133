#include "game/Answer.h"

#include "game/Round.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"
#include "state/Module1.h"
#include "state/SetLayout.h"
#include "state/Sound.h"

namespace lumari {

bool IsRightAnswer(const RoundState& round, int index)
{
    if (index < 0 || index >= kPlaceholderSlots) throw RuntimeError(err::SubscriptOutOfRange);
    return round.symbolTags[std::size_t(index)].toUpper() == round.imageTag.toUpper();
}

void Simbolo_Click(const Services& services, Module1& module1, RoundState& round, int index,
                   const std::function<void()>& nextRound)
{
    ErrorTrap trap(services.boxes, QStringLiteral("Simbolo_Click"));
    bool right = false;
    if (!trap([&] { right = IsRightAnswer(round, index); })) return;  // no such placeholder: nothing to judge

    std::int32_t& counter = right ? module1.SessionCorrect : module1.SessionWrong;
    if (round.firstAnswerPending) {
        trap([&] { counter = AddInt32(counter, 1); });
        round.firstAnswerPending = false;
    }
    const QString& sound = right ? module1.SoundOk : module1.SoundWrong;
    if (!sound.isEmpty() && module1.PlaySounds == kTrue)
        API_PlaySound(services, SetLayout(services.files.AppPath()).Sound(sound));
    if (right) nextRound();
}

}  // namespace lumari
