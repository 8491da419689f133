#include "options/StoredOptions.h"

#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/SettingsUpdate.h"
#include "settings/StoredKeys.h"
#include "state/Module1.h"

#include <cstdint>

namespace lumari {
namespace {

// The file name chosen in a sound list: index 0 is "no sound" and -1 nothing.
QString ChosenSound(int index, const QString& text) { return index > 0 ? text : QString(); }

}  // namespace

void StoreChosenOptions(const Services& services, Module1& module1, ErrorTrap& trap, const ChosenOptions& chosen)
{
    Settings& settings = services.settings;
    const auto symbolsIndex = static_cast<std::int16_t>(chosen.symbolsIndex);

    trap([&] { module1.ShowLabels = chosen.showLabels == 1 ? kTrue : kFalse; });
    trap([&] { module1.PlaySounds = chosen.playSounds == 1 ? kTrue : kFalse; });
    trap([&] { stored::ShowLabels.Set(settings, static_cast<std::int16_t>(chosen.showLabels)); });
    trap([&] { stored::PlaySounds.Set(settings, static_cast<std::int16_t>(chosen.playSounds)); });
    trap([&] { stored::MaxPlaceholders.Set(settings, AddInt16(symbolsIndex, 2)); });
    // Each variable is set in a step of its own after its key: a key that
    // cannot be written still leaves the choice in force for this run.
    if (chosen.randomSelected || chosen.controlledSelected) {
        const std::int16_t way = chosen.randomSelected ? kRandomWithRepeats : kControlledRandom;
        trap([&] { stored::WayToWork.Set(settings, way); });
        module1.WayToWork = way;
    }
    const QString soundOk = ChosenSound(chosen.soundOkIndex, chosen.soundOkText);
    trap([&] { stored::SoundOk.Set(settings, soundOk); });
    module1.SoundOk = soundOk;
    const QString soundWrong = ChosenSound(chosen.soundWrongIndex, chosen.soundWrongText);
    trap([&] { stored::SoundWrong.Set(settings, soundWrong); });
    module1.SoundWrong = soundWrong;
    trap([&] { stored::ImagesSet.Set(settings, chosen.imagesSetText); });

    // A stored count that is not a number counts from 0; one at the largest
    // value overflows and is left as it is. Copies closing together each count.
    {
        SettingsUpdate update(services, trap, stored::kApp);
        std::int32_t used = 0;
        update.trap()([&] { used = stored::Used.Get(settings); });
        update.trap()([&] { stored::Used.Set(settings, AddInt32(used, 1)); });
    }

    trap([&] { module1.MaxPlaceholders = AddInt16(symbolsIndex, 2); });

    trap([&] { stored::Author.Set(settings, stored::kAuthorText); });
    trap([&] { stored::Year.Set(settings, stored::kYearText); });
    trap([&] { stored::Contact.Set(settings, stored::kContactText); });
    trap([&] { stored::Website.Set(settings, stored::kWebsiteText); });
}

}  // namespace lumari
