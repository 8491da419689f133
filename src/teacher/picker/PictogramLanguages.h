#pragma once

#include "pictograms/Pictograms.h"

#include <QHash>
#include <QMutex>
#include <QStringList>

#include <memory>

namespace lumari {

// The pictograms' words in each list of languages a set or a search asks
// for, each list read once and kept for the next searches. Thread-safe.
class PictogramIndexes {
public:
    explicit PictogramIndexes(QString root = PictogramIndex::DefaultRoot());

    std::shared_ptr<const PictogramIndex> For(const QStringList& languages) const;
    // The languages whose words are installed, as CLDR names their files
    // ("de", "pt_BR"), in the order of their names.
    QStringList Installed() const;

private:
    QString root_;
    mutable QMutex lock_;
    mutable QHash<QString, std::shared_ptr<const PictogramIndex>> read_;  // by the codes joined with ","
};

// A language's name as its speakers write it, with a capital: "Italiano",
// "Deutsch", "English", "Português (Brasil)"; in English when they do not
// write it in Latin letters ("Japanese"), as the fonts of a plain desktop
// may lack theirs. An unknown code is shown as it is.
QString LanguageName(const QString& code);
// "Italiano, English".
QString LanguageNames(const QStringList& codes);

}  // namespace lumari
