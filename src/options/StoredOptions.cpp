#include "options/StoredOptions.h"

#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/SettingsUpdate.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"

#include <cstdint>

namespace lumari {
namespace {

// The file name chosen in a sound list: index 0 is "no sound" and -1 nothing.
QString ChosenSound(int index, const QString& text) { return index > 0 ? text : QString(); }

}  // namespace

void StoreChosenOptions(const Services& services, Module1& module1, ErrorTrap& trap, const ChosenOptions& chosen)
{
    auto save = [&](const QString& section, const QString& key, const QString& value) {
        services.settings.Save(keys::kApp, section, key, value);
    };
    const auto symbolsIndex = static_cast<std::int16_t>(chosen.symbolsIndex);

    trap([&] { module1.ShowLabels = chosen.showLabels == 1 ? kTrue : kFalse; });
    trap([&] { module1.PlaySounds = chosen.playSounds == 1 ? kTrue : kFalse; });
    trap([&] { save(keys::kGeneral, keys::kShowLabels, QString::number(chosen.showLabels)); });
    trap([&] { save(keys::kGeneral, keys::kPlaySounds, QString::number(chosen.playSounds)); });
    trap([&] { save(keys::kGeneral, keys::kMaxPlaceholders, QString::number(AddInt16(symbolsIndex, 2))); });
    // Each variable is set in a step of its own after its key: a key that
    // cannot be written still leaves the choice in force for this run.
    if (chosen.randomSelected || chosen.controlledSelected) {
        const std::int16_t way = chosen.randomSelected ? kRandomWithRepeats : kControlledRandom;
        trap([&] { save(keys::kGeneral, keys::kWayToWork, QString::number(way)); });
        module1.WayToWork = way;
    }
    const QString soundOk = ChosenSound(chosen.soundOkIndex, chosen.soundOkText);
    trap([&] { save(keys::kGeneral, keys::kSoundOk, soundOk); });
    module1.SoundOk = soundOk;
    const QString soundWrong = ChosenSound(chosen.soundWrongIndex, chosen.soundWrongText);
    trap([&] { save(keys::kGeneral, keys::kSoundWrong, soundWrong); });
    module1.SoundWrong = soundWrong;
    trap([&] { save(keys::kGeneral, keys::kImagesSet, chosen.imagesSetText); });

    // A stored count that is not a number counts from 0; one at the largest
    // value overflows and is left as it is. Copies closing together each count.
    {
        SettingsUpdate update(services, trap, keys::kApp);
        std::int32_t used = 0;
        update.trap()([&] {
            used = TextToInt32(services.settings.Get(keys::kApp, keys::kStatistics, keys::kUsed, keys::kCountDefault));
        });
        update.trap()([&] { save(keys::kStatistics, keys::kUsed, QString::number(AddInt32(used, 1))); });
    }

    trap([&] { module1.MaxPlaceholders = AddInt16(symbolsIndex, 2); });

    trap([&] { save(keys::kInformation, keys::kAuthor, keys::kAuthorValue); });
    trap([&] { save(keys::kInformation, keys::kYear, keys::kYearValue); });
    trap([&] { save(keys::kInformation, keys::kContact, keys::kContactValue); });
    trap([&] { save(keys::kInformation, keys::kWebsite, keys::kWebsiteValue); });
}

}  // namespace lumari
