#pragma once

#include "settings/SettingValue.h"

#include <QString>

#include <cstdint>

// Every key the programs keep in the settings file ("K.Orvel-Lumari.ini"),
// with its section, its type and its value while it does not exist.
namespace lumari::stored {

inline const QString kGeneral = QStringLiteral("GeneralSettings");
inline const QString kStatistics = QStringLiteral("Statistics");
inline const QString kInformation = QStringLiteral("Information");
inline const QString kLearners = QStringLiteral("Learners");

// The options, stored when the options window closes and read when it opens.
// The check boxes' values: 1 checked, 0 unchecked (2 greyed).
inline const SettingValue<std::int16_t> ShowLabels{kGeneral, QStringLiteral("ShowLabels"), 1};
inline const SettingValue<std::int16_t> PlaySounds{kGeneral, QStringLiteral("PlaySounds"), 1};
// 1 random, 2 controlled random; any other number means controlled random.
inline const SettingValue<std::int16_t> WayToWork{kGeneral, QStringLiteral("WayToWork"), 1};
inline const SettingValue<std::int32_t> MaxPlaceholders{kGeneral, QStringLiteral("MaxPlaceholders"), 2};
// The current set, "" for none; "Default" names the set of "Set_default".
inline const SettingValue<QString> ImagesSet{kGeneral, QStringLiteral("ImagesSet"), QStringLiteral("Default")};
// A WAV file of the Sounds folder, "" for no sound.
inline const SettingValue<QString> SoundOk{kGeneral, QStringLiteral("SoundOk"), QStringLiteral("ok.wav")};
inline const SettingValue<QString> SoundWrong{kGeneral, QStringLiteral("SoundWrong"), QStringLiteral("error.wav")};

// The counts over every session; "Used" counts the closings of the options window.
inline const SettingValue<std::int32_t> Shown{kStatistics, QStringLiteral("Shown"), 0};
inline const SettingValue<std::int32_t> CorrectAnswers{kStatistics, QStringLiteral("CorrectAnswers"), 0};
inline const SettingValue<std::int32_t> WrongAnswers{kStatistics, QStringLiteral("WrongAnswers"), 0};
inline const SettingValue<std::int32_t> Used{kStatistics, QStringLiteral("Used"), 0};

// Written with these texts at every closing of the options window, never read.
inline const SettingValue<QString> Author{kInformation, QStringLiteral("Author"), QString()};
inline const SettingValue<QString> Year{kInformation, QStringLiteral("Year"), QString()};
inline const SettingValue<QString> Contact{kInformation, QStringLiteral("Contact"), QString()};
inline const SettingValue<QString> Website{kInformation, QStringLiteral("Website"), QString()};
inline const QString kAuthorText = QStringLiteral("K. Orvel");
inline const QString kYearText = QStringLiteral("2008");
inline const QString kContactText = QStringLiteral("k.orvel@example.org");
inline const QString kWebsiteText = QStringLiteral("http://www.example.org/lumari");

// The learner who plays next, chosen in lumari-teacher; "" for none.
inline const SettingValue<QString> CurrentLearner{kLearners, QStringLiteral("Current"), QString()};

}  // namespace lumari::stored
