#pragma once

#include <QString>

namespace lumari::keys {

// Application name of the settings store.
inline const QString kApp = QStringLiteral("K.Orvel-Lumari");

inline const QString kGeneral = QStringLiteral("GeneralSettings");
inline const QString kStatistics = QStringLiteral("Statistics");
inline const QString kInformation = QStringLiteral("Information");

// GeneralSettings, with the defaults used when a key does not exist.
inline const QString kShowLabels = QStringLiteral("ShowLabels");
inline const QString kShowLabelsDefault = QStringLiteral("1");
inline const QString kPlaySounds = QStringLiteral("PlaySounds");
inline const QString kPlaySoundsDefault = QStringLiteral("1");
inline const QString kWayToWork = QStringLiteral("WayToWork");
inline const QString kWayToWorkDefault = QStringLiteral("1");
inline const QString kMaxPlaceholders = QStringLiteral("MaxPlaceholders");
inline const QString kMaxPlaceholdersDefault = QStringLiteral("2");
inline const QString kImagesSet = QStringLiteral("ImagesSet");
inline const QString kImagesSetDefault = QStringLiteral("Default");
inline const QString kSoundOk = QStringLiteral("SoundOk");
inline const QString kSoundOkDefault = QStringLiteral("ok.wav");
inline const QString kSoundWrong = QStringLiteral("SoundWrong");
inline const QString kSoundWrongDefault = QStringLiteral("error.wav");

// Statistics: 32-bit counts as decimal text.
inline const QString kShown = QStringLiteral("Shown");
inline const QString kCorrectAnswers = QStringLiteral("CorrectAnswers");
inline const QString kWrongAnswers = QStringLiteral("WrongAnswers");
inline const QString kUsed = QStringLiteral("Used");
inline const QString kCountDefault = QStringLiteral("0");

// Information: written at every closing of the options window, never read.
inline const QString kAuthor = QStringLiteral("Author");
inline const QString kYear = QStringLiteral("Year");
inline const QString kContact = QStringLiteral("Contact");
inline const QString kWebsite = QStringLiteral("Website");
inline const QString kAuthorValue = QStringLiteral("K. Orvel");
inline const QString kYearValue = QStringLiteral("2008");
inline const QString kContactValue = QStringLiteral("k.orvel@example.org");
inline const QString kWebsiteValue = QStringLiteral("http://www.example.org/lumari");

}  // namespace lumari::keys
