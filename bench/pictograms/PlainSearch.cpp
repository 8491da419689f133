#include "PlainSearch.h"

#include "pictograms/MatchScore.h"
#include "pictograms/WordFolding.h"

#include <algorithm>

namespace lumari::bench {
namespace {

// The best score of the typed words anywhere in one name or keyword; 0 if absent.
int BestIn(const QString& term, bool name, const QStringList& typed)
{
    const QStringList words = Words(Fold(term));
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

std::vector<PictogramMatch> PlainSearch::Search(const QString& typed, int limit) const
{
    const QStringList words = Words(Fold(typed));
    if (words.isEmpty()) return {};
    std::vector<std::pair<const PictogramWords*, int>> found;
    for (const PictogramWords& p : set_.pictograms) {
        int best = 0;
        for (const QString& name : p.names) best = std::max(best, BestIn(name, true, words));
        for (const QString& keyword : p.keywords) best = std::max(best, BestIn(keyword, false, words));
        if (best > 0) found.emplace_back(&p, best);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.second != b.second) return a.second > b.second;
        if (a.first->name.size() != b.first->name.size()) return a.first->name.size() < b.first->name.size();
        return a.first->emoji.toUcs4() < b.first->emoji.toUcs4();
    });
    std::vector<PictogramMatch> matches;
    for (std::size_t i = 0; i < found.size() && int(i) < limit; ++i)
        matches.push_back(PictogramMatch{Pictogram{found[i].first->emoji, found[i].first->name}, found[i].second});
    return matches;
}

}  // namespace lumari::bench
