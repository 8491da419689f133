#include "pictograms/Annotations.h"
#include "pictograms/EmojiFont.h"
#include "pictograms/FirstWords.h"
#include "pictograms/MatchScore.h"
#include "pictograms/PictogramKinds.h"
#include "pictograms/Pictograms.h"
#include "pictograms/WordFolding.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace lumari {

// Every word is folded once, when the annotations are read, and kept once in
// a sorted list: the words a typed prefix begins are then one contiguous run
// found by binary search, and each term is a list of word numbers, so a
// keystroke compares integers rather than texts.
struct PictogramIndex::Data {
    struct Term {
        int pictogram;
        bool name;     // an exact ("tts") name rather than a keyword
        int language;  // the first language that gives it, 0 for the first asked
        int first;     // its words: termWords[first, first + count)
        int count;
    };
    // A name or keyword that is a whole typed word or phrase, for proposals.
    struct Entire {
        int pictogram;
        int language;
        bool name;
        QString text;  // as CLDR writes it, for its accents
    };
    struct Posting {
        int term;
        int position;
    };

    std::vector<Pictogram> pictograms;
    std::vector<int> base;                 // per pictogram: the base its variants fold into
    std::vector<std::vector<int>> variants;  // per base: itself, then its variants
    std::vector<PictogramKind> kinds;
    std::vector<std::vector<QStringList>> nameWords;  // per pictogram and language: its name's folded words
    QHash<QString, std::vector<Entire>> entire;       // by folded words joined with spaces
    QHash<QString, int> byEmoji;
    QStringList languages;
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

    void Build(const AnnotationSet& set, const PictogramKinds& kinds);
    void FoldVariants(const PictogramKinds& labels);
    void AddTerm(int pictogram, bool name, int language, const QString& text, QHash<QString, int>& ids, std::vector<QString>& found);
    void SortWords(std::vector<QString> found);
    void RankTies();

    // The word's number, or -1.
    int Find(const QString& word) const;
    // The numbers of the words that begin with a prefix, [first, second).
    std::pair<int, int> Beginning(const QString& prefix) const;
    std::vector<PictogramMatch> Match(const QStringList& typed, int limit) const;

    // The proposal for a typed word in one language: nullopt when the
    // language has no pictogram by that word; a null Pictogram when it has
    // some but none good enough.
    std::optional<Pictogram> Propose(const QString& typed, const QString& key, int language) const;
};

void PictogramIndex::Data::Build(const AnnotationSet& set, const PictogramKinds& labels)
{
    languages = set.languages;
    QHash<QString, int> ids;
    std::vector<QString> found;
    for (const PictogramWords& p : set.pictograms) {
        const int index = int(pictograms.size());
        pictograms.push_back(Pictogram{p.emoji, p.name});
        nameWords.emplace_back();
        QSet<QString> seen[2];  // a word repeated by another language counts once, for the first
        for (int language = 0; language < int(p.byLanguage.size()); ++language) {
            const LanguageWords& words = p.byLanguage[std::size_t(language)];
            nameWords.back().push_back(Words(Fold(words.name)));
            auto add = [&](const QString& text, bool name) {
                const QString folded = Fold(text);
                const QString key = Words(folded).join(QLatin1Char(' '));
                if (!key.isEmpty()) entire[key].push_back(Entire{index, language, name, text});
                if (!seen[name].contains(folded)) seen[name].insert(folded), AddTerm(index, name, language, folded, ids, found);
            };
            if (!words.name.isEmpty()) add(words.name, true);
            for (const QString& keyword : words.keywords) add(keyword, false);
        }
    }
    FoldVariants(labels);
    SortWords(std::move(found));
    RankTies();
}

void PictogramIndex::Data::FoldVariants(const PictogramKinds& labels)
{
    for (int i = 0; i < int(pictograms.size()); ++i) byEmoji.insert(pictograms[std::size_t(i)].emoji, i);
    const auto known = [&](const QString& emoji) { return byEmoji.contains(emoji); };
    base.resize(pictograms.size());
    variants.assign(pictograms.size(), {});
    kinds.resize(pictograms.size());
    for (int i = 0; i < int(pictograms.size()); ++i) {
        const Pictogram& p = pictograms[std::size_t(i)];
        base[std::size_t(i)] = byEmoji.value(VariantBase(p.emoji, known), i);
        kinds[std::size_t(i)] = labels.Of(p.emoji);
    }
    for (int i = 0; i < int(pictograms.size()); ++i) {
        const int b = base[std::size_t(i)];
        if (b == i) variants[std::size_t(i)].insert(variants[std::size_t(i)].begin(), i);
        else variants[std::size_t(b)].push_back(i);
        // A pictogram with a man and a woman of its own shows a person.
        if (b != i && GenderVariant(pictograms[std::size_t(i)].emoji)) kinds[std::size_t(b)].person = true;
    }
}

void PictogramIndex::Data::AddTerm(int pictogram, bool name, int language, const QString& folded, QHash<QString, int>& ids,
                                    std::vector<QString>& found)
{
    const QStringList split = Words(folded);
    if (split.isEmpty()) return;
    terms.push_back(Term{pictogram, name, language, int(termWords.size()), int(split.size())});
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

    // Per base: the best score, then the earliest language that gives it.
    std::vector<int> best(pictograms.size(), 0), language(pictograms.size(), 0);
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
        const std::size_t b = std::size_t(base[std::size_t(term.pictogram)]);
        if (best[b] == 0) touched.push_back(int(b));
        if (score > best[b] || (score == best[b] && term.language < language[b])) best[b] = score, language[b] = term.language;
    };
    const int firstLo = k == 1 ? lo : leading.front(), firstHi = k == 1 ? hi : leading.front() + 1;
    for (int p = postingStart[std::size_t(firstLo)]; p < postingStart[std::size_t(firstHi)]; ++p) consider(postings[std::size_t(p)]);

    auto before = [&](int a, int b) {
        const int sa = best[std::size_t(a)], sb = best[std::size_t(b)];
        if (sa != sb) return sa > sb;
        const int la = language[std::size_t(a)], lb = language[std::size_t(b)];
        return la != lb ? la < lb : tieRank[std::size_t(a)] < tieRank[std::size_t(b)];
    };
    const auto shown = std::min(touched.size(), std::size_t(limit));
    std::partial_sort(touched.begin(), touched.begin() + std::ptrdiff_t(shown), touched.end(), before);
    std::vector<PictogramMatch> matches;
    matches.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) matches.push_back(PictogramMatch{pictograms[std::size_t(touched[i])], best[std::size_t(touched[i])]});
    return matches;
}

namespace {

// Whether a name's words hold the typed words, together and in order. In
// Italian, French and Spanish the thing a name is comes first: "coche de
// policía" holds "coche", but "gato enfadado", "pistola de agua" and "tenis
// de mesa" are no anger, water or table.
bool Holds(const QString& language, const QStringList& name, const QStringList& typed)
{
    if (typed.size() > name.size()) return false;
    if (language == QLatin1String("it") || language == QLatin1String("fr") || language == QLatin1String("es"))
        return std::equal(typed.begin(), typed.end(), name.begin());
    for (qsizetype at = 0; at + typed.size() <= name.size(); ++at)
        if (std::equal(typed.begin(), typed.end(), name.begin() + at)) return true;
    return false;
}

}  // namespace

std::optional<Pictogram> PictogramIndex::Data::Propose(const QString& typed, const QString& key, int language) const
{
    const auto found = entire.constFind(key);
    if (found == entire.cend()) return std::nullopt;
    // How plainly a pictogram is what the word names: a thing before a sign;
    // its own name before a name that holds the word among others ("cloud
    // with rain"); a shorter name before a longer one.
    struct Candidate {
        int pictogram, thing, tier, shortness;
        auto rank() const { return std::tuple(thing, tier, shortness); }
    };
    std::vector<Candidate> candidates;
    QSet<int> sharing;  // the pictograms that have the word in this language
    const QStringList words = key.split(QLatin1Char(' '));
    const QString code = languages[language].section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    for (const Entire& e : *found) {
        int p = e.pictogram;
        if (e.language != language || !AccentsAgree(typed, e.text)) continue;
        // A woman or man's own name ("Lehrerin", "policewoman") proposes the person, folded into the base.
        if (base[std::size_t(p)] != p) {
            if (!e.name || !GenderVariant(pictograms[std::size_t(p)].emoji)) continue;
            p = base[std::size_t(p)];
        }
        sharing.insert(p);
        const QStringList& name = nameWords[std::size_t(p)][std::size_t(language)];
        const int tier = e.name ? 3 : Holds(code, name, words) ? 2 : 1;
        // A person is proposed by the word for the person, not for what they do or hold (plane → pilot).
        if (kinds[std::size_t(p)].person && tier < 3) continue;
        candidates.push_back(Candidate{p, !kinds[std::size_t(p)].symbol, tier, -int(name.size())});
    }
    if (sharing.isEmpty()) return std::nullopt;
    // A sign only where no thing has the word at all ("lion" is the animal, not the zodiac's ♌).
    if (std::any_of(sharing.begin(), sharing.end(), [&](int p) { return !kinds[std::size_t(p)].symbol; }))
        std::erase_if(candidates, [](const Candidate& c) { return !c.thing; });
    // A keyword alone says too little: shared (fleur, Boot, drink) or not ("mesa" for table tennis,
    // "Tasse" for sake), it names something related more often than the thing.
    std::erase_if(candidates, [](const Candidate& c) { return c.tier == 1; });
    std::sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        return a.rank() != b.rank() ? a.rank() > b.rank() : tieRank[std::size_t(a.pictogram)] < tieRank[std::size_t(b.pictogram)];
    });
    if (candidates.empty()) return Pictogram{};
    // Two names that hold the word alike (police car, racing car) leave the plain one unknown.
    if (candidates.size() > 1 && candidates[0].tier == 2 && candidates[0].rank() == candidates[1].rank() && candidates[0].pictogram != candidates[1].pictogram)
        return Pictogram{};
    return pictograms[std::size_t(candidates.front().pictogram)];
}

QString PictogramIndex::DefaultRoot() { return QStringLiteral("/usr/share/unicode/cldr/common"); }

QStringList PictogramIndex::DefaultLanguages()
{
    // As Qt gives them ("de-CH"), so that Load() reads the regional words too.
    QStringList languages;
    for (QString tag : QLocale::system().uiLanguages()) {
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX")) tag = QStringLiteral("en");
        if (!languages.contains(tag)) languages << tag;
    }
    const bool english = std::any_of(languages.begin(), languages.end(), [](const QString& tag) {
        return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0) == QLatin1String("en");
    });
    if (!english) languages << QStringLiteral("en");
    return languages;
}

PictogramIndex PictogramIndex::Load(const QString& root, const QStringList& languages)
{
    const EmojiCoverage font;
    const bool check = PictogramPainter::FontAvailable();
    PictogramIndex index;
    index.d_->root = root;
    index.d_->Build(ReadAnnotations(root, AnnotationFiles(languages), [&](const QString& emoji) { return !check || font.Covers(emoji); }),
                    PictogramKinds(root));
    return index;
}

QStringList PictogramIndex::languages() const { return d_ ? d_->languages : QStringList(); }

std::vector<Pictogram> PictogramIndex::Variants(const QString& emoji) const
{
    std::vector<Pictogram> found;
    if (!d_) return found;
    const int at = d_->byEmoji.value(QString(emoji).remove(QChar(0xFE0F)), -1);
    if (at < 0) return found;
    for (const int v : d_->variants[std::size_t(d_->base[std::size_t(at)])]) found.push_back(d_->pictograms[std::size_t(v)]);
    return found;
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
    // The first language that knows the word decides, so that a later
    // language's same spelling (cane, Boot, non) is not proposed.
    const auto whole = [this](const QString& name) -> std::optional<Pictogram> {
        const QString key = Words(Fold(name)).join(QLatin1Char(' '));
        if (!available() || key.isEmpty()) return std::nullopt;
        for (int language = 0; language < int(d_->languages.size()); ++language) {
            const QString& code = d_->languages[language];
            if (const std::optional<QString> listed = FirstWordPictogram(code, name)) {
                const int at = d_->byEmoji.value(*listed, -1);
                return at < 0 ? std::nullopt : std::optional<Pictogram>(d_->pictograms[std::size_t(at)]);
            }
            std::optional<Pictogram> proposal = d_->Propose(name, key, language);
            for (const QString& plural : PluralForms(code, name.trimmed().toLower()))
                if (!proposal) proposal = d_->Propose(plural, Words(Fold(plural)).join(QLatin1Char(' ')), language);
            if (proposal) return proposal->emoji.isEmpty() ? std::nullopt : proposal;
        }
        return std::nullopt;
    };
    // A unique name such as "cat 2" still means a cat.
    const QString shorter = WithoutTrailingNumber(pairName);
    auto found = whole(pairName);
    return found || shorter == pairName.trimmed() ? found : whole(shorter);
}

}  // namespace lumari
