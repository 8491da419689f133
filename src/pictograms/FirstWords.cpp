#include "pictograms/FirstWords.h"

#include "pictograms/WordFolding.h"

#include <QHash>

namespace lumari {
namespace {

struct Row {
    const char* language;
    const char* words;  // the word and its spellings, separated by "|"
    const char* emoji;  // "" for none
};

// Only words children learn first, and only where CLDR alone proposes
// nothing or a wrong picture.
const Row kRows[] = {
    {"en", "mum|mummy|mom|mommy", "👩"},
};

QHash<QString, QString> Table()
{
    QHash<QString, QString> table;
    for (const Row& row : kRows)
        for (const QString& word : QString::fromUtf8(row.words).split(QLatin1Char('|')))
            table.insert(QLatin1String(row.language) + QLatin1Char(':') + Words(Fold(word)).join(QLatin1Char(' ')), QString::fromUtf8(row.emoji));
    return table;
}

}  // namespace

std::optional<QString> FirstWordPictogram(const QString& language, const QString& folded)
{
    static const QHash<QString, QString> table = Table();
    const auto found = table.constFind(language + QLatin1Char(':') + folded);
    return found == table.cend() ? std::nullopt : std::optional<QString>(found.value());
}

}  // namespace lumari
