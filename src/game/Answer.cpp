#include "game/Answer.h"

#include "game/Round.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/Runtime.h"
#include "platform/RuntimeError.h"
#include "state/Module1.h"
#include "state/Sound.h"

namespace lumari {

bool IsRightAnswer(const RoundState& round, int index)
{
    if (index < 0 || index >= kPlaceholderSlots) throw RuntimeError(err::SubscriptOutOfRange);
    return round.symbolTags[std::size_t(index)].toUpper() == round.imageTag.toUpper();
}

void Simbolo_Click(Runtime& runtime, Module1& module1, RoundState& round, int index,
                   const std::function<void()>& nextRound)
{
    ErrorTrap trap(runtime, QStringLiteral("Simbolo_Click"));
    bool right = false;
    if (!trap([&] { right = IsRightAnswer(round, index); })) return;  // no such placeholder: nothing to judge

    std::int32_t& counter = right ? module1.SessionCorrect : module1.SessionWrong;
    if (round.firstAnswerPending) {
        trap([&] { counter = AddInt32(counter, 1); });
        round.firstAnswerPending = false;
    }
    const QString& sound = right ? module1.SoundOk : module1.SoundWrong;
    if (!sound.isEmpty() && module1.PlaySounds == kTrue)
        API_PlaySound(runtime, runtime.AppPath() + QStringLiteral("\\Sounds\\") + sound);
    if (right) nextRound();
}

}  // namespace lumari
