#include "teacher/sets/PictogramSymbols.h"

#include "sets/PictureImport.h"

#include <QCoreApplication>

namespace lumari {

PictogramSymbols::PictogramSymbols(const QString& root, const QStringList& languages)
    : root_(root), languages_(languages), index_(std::async(std::launch::async, [root, languages] {
                 return std::make_shared<const PictogramIndex>(PictogramIndex::Load(root, languages));
             }).share())
{
}

SymbolMaker::Made PictogramSymbols::Make(const QString& pairName) const
{
    const PictogramIndex& index = Index();
    if (!index.available()) return {{}, {}, index.missing()};
    const QString none = QCoreApplication::translate("PictogramSymbols", "no pictogram for this name");
    const std::optional<Pictogram> best = index.Best(pairName);
    if (!best) return {{}, {}, none};
    QImage picture = Draw(*best);
    // Without the font nothing is drawn; with it, only a sequence it lacks.
    if (picture.isNull()) return {{}, *best, PictogramPainter::FontAvailable() ? none : PictogramPainter::Missing()};
    return {std::move(picture), *best, {}};
}

const SymbolMaker& PictogramSymbols::InLanguages(const QStringList& languages) const
{
    // A regional file (pt_BR, de_CH) holds only what differs from its language's own.
    QStringList files;
    for (QString tag : languages)
        for (; !tag.isEmpty(); tag.truncate(std::max<qsizetype>(tag.lastIndexOf(u'_'), 0)))
            if (!files.contains(tag)) files << tag;
    if (files.isEmpty() || files == languages_) return *this;
    const std::lock_guard lock(mutex_);
    std::unique_ptr<PictogramSymbols>& other = others_[files];
    if (!other) other = std::make_unique<PictogramSymbols>(root_, files);
    return *other;
}

QImage PictogramSymbols::Draw(const Pictogram& pictogram) const
{
    return PictogramPainter::Draw(pictogram.emoji, kStoredSymbolSize);
}

}  // namespace lumari
