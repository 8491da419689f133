#pragma once

#include <QString>

#include <optional>

namespace lumari {

// The pictogram to propose for one of the first words children learn, where
// CLDR names that pictogram by another word ("automobile" for a car) or gives
// the word a rarer meaning first ("ancora" is "more" before it is an anchor):
// the emoji, "" to propose none, or nothing when the table does not know the
// word. language is a code ("it"); letter case is ignored, accents are not.
std::optional<QString> FirstWordPictogram(const QString& language, const QString& word);

}  // namespace lumari
