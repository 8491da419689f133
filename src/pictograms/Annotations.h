#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace lumari {

// A pictogram's words in one language (its regional file and its own merged).
struct LanguageWords {
    QString name;
    QStringList keywords;
};

// One pictogram's words as the CLDR annotations give them, unfolded.
struct PictogramWords {
    QString emoji;
    QString name;           // the exact name in the first language that gives one
    QStringList names;      // the exact names, one per language that gives one
    QStringList keywords;   // every language's keywords, without repeats
    std::vector<LanguageWords> byLanguage;  // per language, in the order asked
};

// The words of the pictograms in the given languages, read from
// <root>/annotations/<language>.xml and <root>/annotationsDerived/<language>.xml.
struct AnnotationSet {
    std::vector<PictogramWords> pictograms;  // in the order first read
    QStringList languages;                   // the languages asked, "it" for "it_IT" and "it"
    int filesRead = 0;
};

// The annotation files for the user's languages ("it-IT" as Qt gives it):
// each language's regional file ("it_IT", "de_CH") before its own, then English.
QStringList AnnotationLanguages(const QStringList& uiLanguages);
// The annotation files for languages as given, each regional one before its
// language's own; nothing added ("C" and "POSIX" are English).
QStringList AnnotationFiles(const QStringList& languages);

// Reads what it can: a missing or damaged file leaves its words out.
// Pictograms for which drawable() is false are left out.
AnnotationSet ReadAnnotations(const QString& root, const QStringList& languages,
                              const std::function<bool(const QString& emoji)>& drawable);

}  // namespace lumari
