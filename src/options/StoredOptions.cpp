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
    trap([&] {
        if (chosen.randomSelected) {
            save(keys::kGeneral, keys::kWayToWork, QStringLiteral("1"));
            module1.WayToWork = kRandomWithRepeats;
        } else if (chosen.controlledSelected) {
            save(keys::kGeneral, keys::kWayToWork, QStringLiteral("2"));
            module1.WayToWork = kControlledRandom;
        }
    });
    trap([&] {
        const QString sound = ChosenSound(chosen.soundOkIndex, chosen.soundOkText);
        save(keys::kGeneral, keys::kSoundOk, sound);
        module1.SoundOk = sound;
    });
    trap([&] {
        const QString sound = ChosenSound(chosen.soundWrongIndex, chosen.soundWrongText);
        save(keys::kGeneral, keys::kSoundWrong, sound);
        module1.SoundWrong = sound;
    });
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
