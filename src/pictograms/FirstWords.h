#pragma once

#include <QString>

#include <optional>

namespace lumari {

// The pictogram to propose for one of the everyday words young children and
// AAC users learn (FirstWords.tsv, one concept a row), where CLDR names that
// pictogram by another word ("automobile" for a car), gives the word a rarer
// meaning first ("ancora" is "more" before it is an anchor), or has no right
// picture at all: the emoji, "" to propose none, or nothing when the table
// does not know the word. language is a code ("it", "de-CH"); letter case is
// ignored, and so are accents left out, but not accents typed.
std::optional<QString> FirstWordPictogram(const QString& language, const QString& word);

}  // namespace lumari
