#pragma once

#include "settings/StoredKeys.h"

// The stored keys' names and texts under their older names, for the readers
// that do not go through the typed keys yet.
namespace lumari::keys {

inline constinit const QString& kApp = stored::kApp;

inline constinit const QString& kGeneral = stored::kGeneral;
inline constinit const QString& kStatistics = stored::kStatistics;
inline constinit const QString& kInformation = stored::kInformation;

inline constinit const QString& kShowLabels = stored::ShowLabels.key();
inline constinit const QString& kPlaySounds = stored::PlaySounds.key();
inline constinit const QString& kWayToWork = stored::WayToWork.key();
inline constinit const QString& kMaxPlaceholders = stored::MaxPlaceholders.key();
inline constinit const QString& kImagesSet = stored::ImagesSet.key();
inline constinit const QString& kSoundOk = stored::SoundOk.key();
inline constinit const QString& kSoundWrong = stored::SoundWrong.key();

inline constinit const QString& kShown = stored::Shown.key();
inline constinit const QString& kCorrectAnswers = stored::CorrectAnswers.key();
inline constinit const QString& kWrongAnswers = stored::WrongAnswers.key();
inline constinit const QString& kUsed = stored::Used.key();
// What a missing count reads as.
inline const QString kCountDefault = QStringLiteral("0");

inline constinit const QString& kAuthor = stored::Author.key();
inline constinit const QString& kYear = stored::Year.key();
inline constinit const QString& kContact = stored::Contact.key();
inline constinit const QString& kWebsite = stored::Website.key();
inline constinit const QString& kAuthorValue = stored::kAuthorText;
inline constinit const QString& kYearValue = stored::kYearText;
inline constinit const QString& kContactValue = stored::kContactText;
inline constinit const QString& kWebsiteValue = stored::kWebsiteText;

}  // namespace lumari::keys
