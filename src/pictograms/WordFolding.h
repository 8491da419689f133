#pragma once

#include <QString>
#include <QStringList>

namespace lumari {

// The form in which typed text and the pictograms' words are compared: no
// accents ("café" → "cafe"), no letter case ("Katze" → "katze"), "ß" → "ss".
QString Fold(const QString& text);

// The words of a folded text: the runs of letters and digits, so that
// "pregnant man: light skin tone" and "jack-o-lantern" split as a reader would.
QStringList Words(const QString& folded);

// A pair's name without the number that makes it unique ("cat 2" → "cat");
// the name itself when it ends otherwise or is a number only.
QString WithoutTrailingNumber(const QString& name);

}  // namespace lumari

namespace lumari {

// Whether every accent typed is in the term as well, letter for letter:
// "papa" agrees with "papá", but "papá" (dad) not with "papa" (potato).
// Letter case is ignored.
bool AccentsAgree(const QString& typed, const QString& term);

// The regular plurals of a folded word in a language ("en", "it"...), which
// CLDR sometimes names a pictogram by ("socks", "calzini"); none for a
// language without rules here.
QStringList PluralForms(const QString& language, const QString& folded);

}  // namespace lumari
