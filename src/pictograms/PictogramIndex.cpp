#include "pictograms/Annotations.h"
#include "pictograms/EmojiFont.h"
#include "pictograms/MatchScore.h"
#include "pictograms/Pictograms.h"
#include "pictograms/WordFolding.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace lumari {

// Every word is folded once, when the annotations are read, and kept once in
// a sorted list: the words a typed prefix begins are then one contiguous run
// found by binary search, and each term is a list of word numbers, so a
// keystroke compares integers rather than texts.
struct PictogramIndex::Data {
    struct Term {
        int pictogram;
        bool name;   // an exact ("tts") name rather than a keyword
        int first;   // its words: termWords[first, first + count)
        int count;
    };
    struct Posting {
        int term;
        int position;
    };

    std::vector<Pictogram> pictograms;
    // Per pictogram: fewer keywords first (a pictogram with few keywords is
    // what its words mean most plainly: "car" is the automobile sooner than
    // the tram car, "ball" a ball sooner than yarn), then shorter names, then
    // code points.
    std::vector<int> tieRank;
    std::vector<QString> words;  // sorted, each once
    std::vector<Term> terms;
    std::vector<int> termWords;
    std::vector<int> postingStart;  // per word: its postings are postings[start[w], start[w + 1])
    std::vector<Posting> postings;
    QString root;

    void Build(const AnnotationSet& set);
    void AddTerm(int pictogram, bool name, const QString& text, QHash<QString, int>& ids, std::vector<QString>& found);
    void SortWords(std::vector<QString> found);
    void RankTies();

    // The word's number, or -1.
    int Find(const QString& word) const;
    // The numbers of the words that begin with a prefix, [first, second).
    std::pair<int, int> Beginning(const QString& prefix) const;
    std::vector<PictogramMatch> Match(const QStringList& typed, int limit) const;
};

void PictogramIndex::Data::Build(const AnnotationSet& set)
{
    QHash<QString, int> ids;
    std::vector<QString> found;
    for (const PictogramWords& p : set.pictograms) {
        const int index = int(pictograms.size());
        pictograms.push_back(Pictogram{p.emoji, p.name});
        QSet<QString> seen[2];  // a word repeated by another language counts once
        for (const QString& name : p.names)
            if (const QString folded = Fold(name); !seen[1].contains(folded)) seen[1].insert(folded), AddTerm(index, true, folded, ids, found);
        for (const QString& keyword : p.keywords)
            if (const QString folded = Fold(keyword); !seen[0].contains(folded)) seen[0].insert(folded), AddTerm(index, false, folded, ids, found);
    }
    SortWords(std::move(found));
    RankTies();
}

void PictogramIndex::Data::AddTerm(int pictogram, bool name, const QString& folded, QHash<QString, int>& ids, std::vector<QString>& found)
{
    const QStringList split = Words(folded);
    if (split.isEmpty()) return;
    terms.push_back(Term{pictogram, name, int(termWords.size()), int(split.size())});
    for (const QString& word : split) {
        auto id = ids.constFind(word);
        if (id == ids.cend()) id = ids.insert(word, int(found.size())), found.push_back(word);
        termWords.push_back(id.value());
    }
}

void PictogramIndex::Data::SortWords(std::vector<QString> found)
{
    std::vector<int> order(found.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return found[std::size_t(a)] < found[std::size_t(b)]; });
    std::vector<int> renumbered(found.size());
    words.reserve(found.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        renumbered[std::size_t(order[i])] = int(i);
        words.push_back(std::move(found[std::size_t(order[i])]));
    }
    for (int& w : termWords) w = renumbered[std::size_t(w)];

    postingStart.assign(words.size() + 1, 0);
    for (const int w : termWords) ++postingStart[std::size_t(w) + 1];
    std::partial_sum(postingStart.begin(), postingStart.end(), postingStart.begin());
    postings.resize(termWords.size());
    std::vector<int> next(postingStart.begin(), postingStart.end() - 1);
    for (std::size_t t = 0; t < terms.size(); ++t)
        for (int i = 0; i < terms[t].count; ++i)
            postings[std::size_t(next[std::size_t(termWords[std::size_t(terms[t].first + i)])]++)] = Posting{int(t), i};
}

void PictogramIndex::Data::RankTies()
{
    std::vector<QList<uint>> points;
    points.reserve(pictograms.size());
    for (const Pictogram& p : pictograms) points.push_back(p.emoji.toUcs4());
    std::vector<int> keywords(pictograms.size(), 0);
    for (const Term& term : terms)
        if (!term.name) ++keywords[std::size_t(term.pictogram)];
    std::vector<int> order(pictograms.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const auto ka = keywords[std::size_t(a)], kb = keywords[std::size_t(b)];
        if (ka != kb) return ka < kb;
        const auto la = pictograms[std::size_t(a)].name.size(), lb = pictograms[std::size_t(b)].name.size();
        return la != lb ? la < lb : points[std::size_t(a)] < points[std::size_t(b)];
    });
    tieRank.resize(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) tieRank[std::size_t(order[i])] = int(i);
}

int PictogramIndex::Data::Find(const QString& word) const
{
    const auto it = std::lower_bound(words.begin(), words.end(), word);
    return it != words.end() && *it == word ? int(it - words.begin()) : -1;
}

std::pair<int, int> PictogramIndex::Data::Beginning(const QString& prefix) const
{
    const auto first = std::lower_bound(words.begin(), words.end(), prefix);
    const auto last = std::partition_point(first, words.end(), [&](const QString& w) { return w.startsWith(prefix); });
    return {int(first - words.begin()), int(last - words.begin())};
}

std::vector<PictogramMatch> PictogramIndex::Data::Match(const QStringList& typed, int limit) const
{
    const int k = int(typed.size());
    std::vector<int> leading;  // every typed word but the last must be whole
    for (int i = 0; i + 1 < k; ++i) {
        leading.push_back(Find(typed[i]));
        if (leading.back() < 0) return {};
    }
    const auto [lo, hi] = Beginning(typed.last());
    if (lo == hi) return {};
    const int wholeLast = words[std::size_t(lo)] == typed.last() ? lo : -1;

    std::vector<int> best(pictograms.size(), 0);
    std::vector<int> touched;
    auto consider = [&](const Posting& at) {
        const Term& term = terms[std::size_t(at.term)];
        if (at.position + k > term.count) return;
        const int* w = &termWords[std::size_t(term.first + at.position)];
        for (int i = 0; i + 1 < k; ++i)
            if (w[i] != leading[std::size_t(i)]) return;
        const int last = w[k - 1];
        if (last < lo || last >= hi) return;
        const bool whole = last == wholeLast;
        const int score = Score(TermMatch{term.name, whole, whole && at.position == 0 && term.count == k, at.position == 0});
        int& kept = best[std::size_t(term.pictogram)];
        if (kept == 0) touched.push_back(term.pictogram);
        kept = std::max(kept, score);
    };
    const int firstLo = k == 1 ? lo : leading.front(), firstHi = k == 1 ? hi : leading.front() + 1;
    for (int p = postingStart[std::size_t(firstLo)]; p < postingStart[std::size_t(firstHi)]; ++p) consider(postings[std::size_t(p)]);

    auto before = [&](int a, int b) {
        const int sa = best[std::size_t(a)], sb = best[std::size_t(b)];
        return sa != sb ? sa > sb : tieRank[std::size_t(a)] < tieRank[std::size_t(b)];
    };
    const auto shown = std::min(touched.size(), std::size_t(limit));
    std::partial_sort(touched.begin(), touched.begin() + std::ptrdiff_t(shown), touched.end(), before);
    std::vector<PictogramMatch> matches;
    matches.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) matches.push_back(PictogramMatch{pictograms[std::size_t(touched[i])], best[std::size_t(touched[i])]});
    return matches;
}

QString PictogramIndex::DefaultRoot() { return QStringLiteral("/usr/share/unicode/cldr/common"); }

QStringList PictogramIndex::DefaultLanguages() { return AnnotationLanguages(QLocale::system().uiLanguages()); }

PictogramIndex PictogramIndex::Load(const QString& root, const QStringList& languages)
{
    const EmojiCoverage font;
    const bool check = PictogramPainter::FontAvailable();
    PictogramIndex index;
    index.d_->root = root;
    index.d_->Build(ReadAnnotations(root, languages, [&](const QString& emoji) { return !check || font.Covers(emoji); }));
    return index;
}

PictogramIndex::PictogramIndex() : d_(std::make_unique<Data>()) {}
PictogramIndex::~PictogramIndex() = default;
PictogramIndex::PictogramIndex(PictogramIndex&&) noexcept = default;
PictogramIndex& PictogramIndex::operator=(PictogramIndex&&) noexcept = default;

bool PictogramIndex::available() const noexcept { return d_ && !d_->terms.empty(); }

QString PictogramIndex::missing() const
{
    if (available()) return QString();
    return QCoreApplication::translate("lumari::PictogramIndex",
                                       "No words for the pictograms were found in %1. Install the package "
                                       "unicode-cldr-core to find pictograms by their word.")
        .arg(d_ && !d_->root.isEmpty() ? d_->root : DefaultRoot());
}

std::vector<PictogramMatch> PictogramIndex::Search(const QString& typed, int limit) const
{
    const QStringList words = Words(Fold(typed));
    if (!available() || words.isEmpty() || limit <= 0) return {};
    return d_->Match(words, limit);
}

std::optional<Pictogram> PictogramIndex::Best(const QString& pairName) const
{
    // A unique name such as "cat 2" still means a cat.
    const auto whole = [this](const QString& name) -> std::optional<Pictogram> {
        const auto found = Search(name, 1);
        if (found.empty() || found.front().score < kLeastWholeWord) return std::nullopt;
        return found.front().pictogram;
    };
    const QString shorter = WithoutTrailingNumber(pairName);
    auto found = whole(pairName);
    return found || shorter == pairName.trimmed() ? found : whole(shorter);
}

}  // namespace lumari
