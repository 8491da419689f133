#include "PlainSearch.h"

#include "pictograms/MatchScore.h"
#include "pictograms/PictogramKinds.h"
#include "pictograms/WordFolding.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace lumari::bench {
namespace {

// The best score of the typed words anywhere in one folded name or keyword; 0 if absent.
int BestIn(const QString& folded, bool name, const QStringList& typed)
{
    const QStringList words = Words(folded);
    int best = 0;
    for (qsizetype at = 0; at + typed.size() <= words.size(); ++at) {
        bool match = true;
        for (qsizetype i = 0; i + 1 < typed.size() && match; ++i) match = words[at + i] == typed[i];
        const QString& last = words[at + typed.size() - 1];
        if (!match || !last.startsWith(typed.last())) continue;
        const bool whole = last == typed.last();
        best = std::max(best, Score(TermMatch{name, whole, whole && at == 0 && words.size() == typed.size(), at == 0}));
    }
    return best;
}

}  // namespace

PlainSearch::PlainSearch(AnnotationSet set) : set_(std::move(set))
{
    QHash<QString, const PictogramWords*> known;
    for (const PictogramWords& p : set_.pictograms) known.insert(p.emoji, &p);
    for (const PictogramWords& p : set_.pictograms) {
        base_.push_back(known.value(VariantBase(p.emoji, [&](const QString& e) { return known.contains(e); })));
        QSet<QString> keywords;  // the order among equals, as ours: fewer keywords first
        for (const LanguageWords& own : p.byLanguage)
            for (const QString& k : own.keywords)
                if (!Words(Fold(k)).isEmpty()) keywords.insert(Fold(k));
        keywords_.insert(&p, int(keywords.size()));
    }
}

std::vector<PictogramMatch> PlainSearch::Search(const QString& typed, int limit) const
{
    const QStringList words = Words(Fold(typed));
    if (words.isEmpty()) return {};
    struct Found { const PictogramWords* base; int score, language, keywords; };
    QHash<const PictogramWords*, Found> found;  // by base, the best of the base and its variants
    for (std::size_t i = 0; i < set_.pictograms.size(); ++i) {
        const PictogramWords& p = set_.pictograms[i];
        QSet<QString> seen[2];  // a word repeated by another language counts once, for the first
        for (int language = 0; language < int(p.byLanguage.size()); ++language) {
            const LanguageWords& own = p.byLanguage[std::size_t(language)];
            auto consider = [&](const QString& term, bool name) {
                const QString folded = Fold(term);
                if (seen[name].contains(folded)) return;
                seen[name].insert(folded);
                const int score = BestIn(folded, name, words);
                if (score == 0) return;
                const PictogramWords* base = base_[i];
                if (!found.contains(base)) found.insert(base, Found{base, 0, 0, keywords_.value(base)});
                Found& f = found[base];
                if (score > f.score || (score == f.score && language < f.language)) f.score = score, f.language = language;
            };
            if (!own.name.isEmpty()) consider(own.name, true);
            for (const QString& keyword : own.keywords) consider(keyword, false);
        }
    }
    std::vector<Found> sorted(found.begin(), found.end());
    std::sort(sorted.begin(), sorted.end(), [](const Found& a, const Found& b) {
        if (a.score != b.score) return a.score > b.score;
        if (a.language != b.language) return a.language < b.language;
        if (a.keywords != b.keywords) return a.keywords < b.keywords;
        if (a.base->name.size() != b.base->name.size()) return a.base->name.size() < b.base->name.size();
        return a.base->emoji.toUcs4() < b.base->emoji.toUcs4();
    });
    std::vector<PictogramMatch> matches;
    for (std::size_t i = 0; i < sorted.size() && int(i) < limit; ++i)
        matches.push_back(PictogramMatch{Pictogram{sorted[i].base->emoji, sorted[i].base->name}, sorted[i].score});
    return matches;
}

}  // namespace lumari::bench
