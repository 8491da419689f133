#pragma once

#include "sets/SymbolMaker.h"

#include <QStringList>

#include <future>
#include <map>
#include <mutex>
#include <memory>

namespace lumari {

// Symbols from the colour emoji font, found by the words of the CLDR
// annotations. The words are read in the background from construction on,
// so the window opens at once; the first call that needs them waits.
class PictogramSymbols : public SymbolMaker {
public:
    PictogramSymbols(const QString& root = PictogramIndex::DefaultRoot(),
                     const QStringList& languages = PictogramIndex::DefaultLanguages());

    // Waits until the words are read.
    const PictogramIndex& Index() const { return *index_.get(); }

    Made Make(const QString& pairName) const override;
    QImage Draw(const Pictogram& pictogram) const override;
    // Each list's words are read once, on first use, and kept.
    const SymbolMaker& InLanguages(const QStringList& languages) const override;

private:
    QString root_;
    QStringList languages_;
    mutable std::mutex mutex_;
    mutable std::map<QStringList, std::unique_ptr<PictogramSymbols>> others_;
    std::shared_future<std::shared_ptr<const PictogramIndex>> index_;
};

}  // namespace lumari
