#pragma once

#include "pictograms/Pictograms.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace lumari {

// A pair's symbol made from its name: the best pictogram for the word, drawn
// on white at the symbol's stored size. Safe to call from several threads.
class SymbolMaker {
public:
    struct Made {
        QImage picture;         // null when there is none
        Pictogram pictogram;    // the one drawn
        QString missing;        // why there is none, worded for the adult
    };

    virtual ~SymbolMaker() = default;
    virtual Made Make(const QString& pairName) const = 0;
    // A pictogram the adult chose, drawn the same way; null when the font is missing.
    virtual QImage Draw(const Pictogram& pictogram) const = 0;
    // The same, finding words in these languages (a set's): it lives as long as this one.
    virtual const SymbolMaker& InLanguages(const QStringList& languages) const
    {
        (void)languages;
        return *this;
    }
};

}  // namespace lumari
