#include "game/DistractorShade.h"

#include "game/Answer.h"
#include "game/ImageBox.h"

#include <QGraphicsOpacityEffect>

namespace lumari {

void DistractorShade::Apply(const PromptState& state, const RoundState& round)
{
    for (int i = 0; i < kPlaceholderSlots; ++i) {
        ImageBox* box = boxes_[std::size_t(i)];
        const int opacity = IsRightAnswer(round, i) ? kFullDistractorLevel : state.distractorOpacity;
        if (opacity >= kFullDistractorLevel) {
            // The box drawn as described, with no effect in between.
            if (box->graphicsEffect()) box->setGraphicsEffect(nullptr);
            continue;
        }
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(box->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsOpacityEffect(box);
            box->setGraphicsEffect(effect);
        }
        effect->setOpacity(opacity / 100.0);
    }
}

}  // namespace lumari
