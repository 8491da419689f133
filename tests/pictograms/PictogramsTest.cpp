// The pictograms' words (a hand-made annotations folder for the ranking rules, Debian's CLDR
// annotations for real searches in two languages) and the colour emoji font drawn on any thread.
#include "pictograms/Annotations.h"
#include "pictograms/Pictograms.h"
#include "support/TestServices.h"

#include <QColor>
#include <QThreadPool>

namespace lumari::test {
namespace {

struct Annotated { QString emoji, name, keywords; };

// An annotations file of one language as CLDR writes it.
void WriteAnnotations(const AppFolder& root, const QString& file, const std::vector<Annotated>& rows)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<ldml><annotations>\n";
    for (const Annotated& r : rows) {
        if (!r.keywords.isEmpty()) xml += QString("<annotation cp=\"%1\">%2</annotation>\n").arg(r.emoji, r.keywords).toUtf8();
        if (!r.name.isEmpty()) xml += QString("<annotation cp=\"%1\" type=\"tts\">%2</annotation>\n").arg(r.emoji, r.name).toUtf8();
    }
    root.WriteFile(file, xml + "</annotations></ldml>\n");
}

QStringList Emoji(const std::vector<PictogramMatch>& matches)
{
    QStringList found;
    return std::transform(matches.begin(), matches.end(), std::back_inserter(found), [](auto& m) { return m.pictogram.emoji; }), found;
}

// A tiny folder where every ranking rule decides one place.
class HandMade : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteAnnotations(root, "annotations/xx.xml", {
            {"🐈", "Foo", "bar"}, {"🐕", "foo bar", ""}, {"🐁", "big foo", ""}, {"🐀", "bag foo", ""},
            {"🐘", "a big foo", ""}, {"🐄", "", "foo | cow"}, {"🐖", "food", ""}, {"🐑", "sheep", "foodstuff | Straße"},
            {"☕", "Café crème", ""}, {"{", "brace foo", ""},  // "{" is not in the colour font
        });
        WriteAnnotations(root, "annotationsDerived/xx.xml", {{"🐈‍⬛", "dark foo", ""}});
        WriteAnnotations(root, "annotations/yy.xml", {{"🐈", "Katz", "↑↑↑"}, {"🐕", "↑↑↑", ""}});
        index = PictogramIndex::Load(root.path(), {"xx", "yy"});
    }
    AppFolder root;
    PictogramIndex index;
};

TEST_F(HandMade, RankEntireNamesThenEntireKeywordsThenWholeWordsThenPrefixes)
{
    const QStringList expected = {"🐈", "🐄", "🐕", "🐀", "🐁", "🐈‍⬛", "🐘", "🐖", "🐑"};
    EXPECT_EQ(Emoji(index.Search("foo", 20)), expected);
}

TEST_F(HandMade, IgnoreCaseAndAccentsAndMatchWordsInOrder)
{
    struct Row { QString typed; QStringList found; } rows[] = {
        {"CAFE", {"☕"}}, {"crème", {"☕"}}, {"CREME caf", {}}, {"strasse", {"🐑"}}, {"foo ba", {"🐕"}},
        {"  Big  FOO ", {"🐁", "🐘"}}, {"katz", {"🐈"}} /* a second language's name */, {"brace", {}}, {"", {}},
    };
    for (const Row& r : rows) EXPECT_EQ(Emoji(index.Search(r.typed, 20)), r.found) << r.typed.toStdString();
}

TEST_F(HandMade, NameComesFromTheFirstLanguageAndLimitCuts)
{
    EXPECT_EQ(index.Search("katz", 5).at(0).pictogram.name, "Foo");
    EXPECT_EQ(index.Search("foo", 2).size(), 2u);
    const auto reversed = PictogramIndex::Load(root.path(), {"yy", "xx"});
    EXPECT_EQ(reversed.Search("katz", 5).at(0).pictogram.name, "Katz");
    EXPECT_EQ(reversed.Search("foo bar", 5).at(0).pictogram.name, "foo bar");  // not the regional "same as" mark
}

TEST_F(HandMade, BestNeedsTheWholeNameAsWholeWords)
{
    struct Row { QString pair, best; /* "" for no proposal */ } rows[] = {
        {"foo", "🐈"}, {"FOO 2", "🐈"}, {"cow", ""} /* a keyword alone */, {"big foo 12", "🐁"}, {"fo", ""}, {"foo2", ""}, {"food stuff", ""}, {"12", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(index.Best(r.pair).value_or(Pictogram{}).emoji, r.best) << r.pair.toStdString();
}

// Two languages where each proposal rule decides one word: the first
// language's words before the second's; an own name, then a name holding
// the word (first, in Spanish), never a keyword alone; people by their own
// name only, a woman's name giving the person; things before signs; typed
// accents; variants folded into their base.
class Proposals : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteAnnotations(root, "annotations/xx.xml", {
            {"🐕", "cane", "dog"}, {"🌧", "cloud with rain", "cloud | rain"}, {"🌈", "rainbow", "rain"},
            {"🍷", "wine glass", "drink"}, {"🍺", "beer mug", "drink"}, {"🧑‍✈", "pilot", "plane"}, {"🚓", "police car", "car"},
            {"🏎", "racing car", "car"}, {"♌", "lion", "zodiac"}, {"🦁", "lion face", "lion"}, {"🥔", "papa", "potato"},
            {"🏃", "person running", "run"}, {"🏃‍♀", "woman running", "run"}, {"👨‍✈", "man pilot", "plane"}, {"👩‍✈", "woman pilot", "plane"},
        });
        WriteAnnotations(root, "annotationsDerived/xx.xml", {{"🏃🏽", "person running: medium skin tone", "run"}});
        WriteAnnotations(root, "annotations/es.xml", {
            {"🩼", "muleta", "cane"}, {"🦯", "white cane", "stick"}, {"😾", "gato gruñón", "gruñón"}, {"🚓", "patrulla de policía", "patrulla"},
        });
        root.WriteFile("properties/labels.txt", "[♌] ; Symbols ; zodiac\n");
        index = PictogramIndex::Load(root.path(), {"xx", "es"});
    }
    AppFolder root;
    PictogramIndex index;
};

TEST_F(Proposals, EachRuleDecidesOneWord)
{
    struct Row { QString pair, best; } rows[] = {
        {"cane", "🐕"}, {"white cane", "🦯"}, {"rain", "🌧"}, {"drink", ""}, {"dog", ""}, {"plane", ""}, {"pilot", "🧑‍✈"},
        {"woman pilot", "🧑‍✈"}, {"car", ""}, {"lion", "🦁"}, {"papá", ""}, {"Papa", "🥔"}, {"run", ""}, {"person running", "🏃"},
        {"patrulla", "🚓"}, {"gruñón", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(index.Best(r.pair).value_or(Pictogram{}).emoji, r.best) << r.pair.toStdString();
}

TEST_F(Proposals, SearchShowsBasesFirstLanguageFirstAndListsVariants)
{
    EXPECT_EQ(Emoji(index.Search("cane", 10)), (QStringList{"🐕", "🩼", "🦯"}));
    EXPECT_EQ(Emoji(index.Search("run", 10)), QStringList{"🏃"});
    EXPECT_EQ(Emoji(index.Search("pilot", 10)), QStringList{"🧑‍✈"});
    const auto variants = index.Variants("🏃🏽");
    QStringList listed;
    for (const Pictogram& p : variants) listed << p.emoji;
    EXPECT_EQ(listed, (QStringList{"🏃", "🏃‍♀", "🏃🏽"}));
    EXPECT_TRUE(index.Variants("🐉").empty());
    EXPECT_EQ(index.languages(), (QStringList{"xx", "es"}));
}

TEST(PictogramWords, MissingFolderSaysWhichPackageToInstall)
{
    AppFolder empty;
    const PictogramIndex index = PictogramIndex::Load(empty.path(), {"en"});
    EXPECT_FALSE(index.available());
    EXPECT_TRUE(index.missing().contains("unicode-cldr-core"));
    EXPECT_TRUE(index.Search("cat", 10).empty());
}

TEST(PictogramWords, TheUsersLanguagesRegionalFirstThenEnglish)
{
    struct Row { QStringList ui, files; } rows[] = {
        {{"it-IT"}, {"it_IT", "it", "en"}}, {{"de", "de-CH"}, {"de_CH", "de", "en"}}, {{"en-GB", "it"}, {"en_GB", "en", "it"}},
        {{"zh-Hant-TW"}, {"zh_Hant_TW", "zh_Hant", "zh", "en"}}, {{"C"}, {"en"}}, {{"POSIX", "it"}, {"en", "it"}},
    };
    for (const Row& r : rows) EXPECT_EQ(AnnotationLanguages(r.ui), r.files) << r.ui.join(',').toStdString();
    // A set's own languages, as given: nothing added.
    EXPECT_EQ(AnnotationFiles({"it", "de-CH"}), (QStringList{"it", "de_CH", "de"}));
}

// Debian's annotations, loaded once per language pair.
const PictogramIndex& Cldr(const QString& language)
{
    static std::map<QString, PictogramIndex> loaded;
    auto it = loaded.find(language);
    if (it == loaded.end()) it = loaded.emplace(language, PictogramIndex::Load(PictogramIndex::DefaultRoot(), (language + ",en").split(QLatin1Char(',')))).first;
    return it->second;
}

TEST(PictogramWords, FindTheRealPictogramsInTwoLanguages)
{
    struct Row { QString language, typed, first; } rows[] = {
        {"it,en", "gatto", "🐈"}, {"it", "GAT", "🐈"}, {"it", "cat", "🐈"}, {"it", "dog", "🐕"}, {"it", "te senza", "🍵"},
        {"it", "automobile", "🚗"}, {"de", "Katze", "🐈"}, {"de", "cat", "🐈"}, {"de", "LOWE", "🦁"}, {"de", "kasest", "🧀"},
        {"de", "gruner apfel", "🍏"}, {"de", "Apfel", "🍎"}, {"it,en", "cane", "🐕"},
    };
    for (const Row& r : rows) {
        const auto found = Cldr(r.language).Search(r.typed, 10);
        EXPECT_EQ(found.empty() ? QString() : found.front().pictogram.emoji, r.first) << r.typed.toStdString();
    }
}

// "boat" once showed over ten rowing people, one per skin tone and gender.
TEST(PictogramWords, SearchShowsOnlyBasePictograms)
{
    for (const PictogramMatch& m : Cldr("en").Search("boat", 200))
        EXPECT_EQ(Cldr("en").Variants(m.pictogram.emoji).front().emoji, m.pictogram.emoji) << m.pictogram.name.toStdString();
    EXPECT_GT(Cldr("en").Variants("🚣").size(), 10u);
}

TEST(PictogramWords, ProposeAPictogramForARealPairName)
{
    struct Row { QString language, pair, best; } rows[] = {
        {"it", "apple", "🍎"}, {"it", "dog", "🐕"}, {"it", "cat", "🐈"}, {"it", "gatto", "🐈"}, {"it", "cat 2", "🐈"},
        {"de", "Katze", "🐈"}, {"de", "Katze 3", "🐈"}, {"it,en", "gatto", "🐈"}, {"it,en", "cane", "🐕"}, {"it,en", "mela", "🍎"},
        {"en", "cane", ""}, {"de,en", "Boot", "⛵"}, {"en", "sock", "🧦"}, {"it,en", "calzino", "🧦"}, {"es,en", "papá", "👨"},
        {"it", "IMG_1234", ""}, {"it", "xqzzy", ""}, {"it", "red car", ""}, {"de", "Kat", ""}, {"en", "plane", "✈"},
        {"en", "happy", "😀"}, {"it,en", "ancora", ""}, {"fr,en", "fleur", "🌸"}, {"en", "milk", "🥛"}, {"en", "rain", "🌧"},
    };
    for (const Row& r : rows) EXPECT_EQ(Cldr(r.language).Best(r.pair).value_or(Pictogram{}).emoji, r.best) << r.pair.toStdString();
}

// A word that is only part of a longer name (moon cake, tram car) or one
// keyword among many (yarn is a "ball") is not what a child's picture means.
TEST(PictogramWords, ProposeThePlainMeaningNotAThingNamedAfterIt)
{
    struct Row { QString pair, notThis; } rows[] = {
        {"moon", "🥮"}, {"car", "🚋"}, {"ball", "🧶"}, {"ball", "🍙"}, {"flower", "🎴"},
    };
    for (const Row& r : rows) EXPECT_NE(Cldr("en").Best(r.pair).value_or(Pictogram{}).emoji, r.notThis) << r.pair.toStdString();
}

// The share of the drawn pixels that are strongly coloured, and where they are.
struct Drawn { QRect ink; double coloured = 0; };

Drawn Look(const QImage& image)
{
    Drawn d;
    int ink = 0, coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); std::min({c.red(), c.green(), c.blue()}) <= 245)
                ++ink, coloured += c.hsvSaturation() > 100, d.ink |= QRect(x, y, 1, 1);
    return d.coloured = ink ? double(coloured) / ink : 0, d;
}

TEST(PictogramPainting, DrawsTheColouredPictureCentredOnWhite)
{
    ASSERT_TRUE(PictogramPainter::FontAvailable()) << PictogramPainter::Missing().toStdString();
    const QImage cat = PictogramPainter::Draw("🐈");
    ASSERT_EQ(cat.size(), QSize(600, 600));
    const Drawn d = Look(cat);
    EXPECT_GT(d.coloured, 0.5);  // an outline font or a missing-glyph box has no colour
    EXPECT_NEAR(std::max(d.ink.width(), d.ink.height()), 420, 6);
    EXPECT_NEAR(d.ink.center().x(), 300, 3);
    EXPECT_NEAR(d.ink.center().y(), 300, 3);
    EXPECT_EQ(cat.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_TRUE(PictogramPainter::Draw("{").isNull());
}

TEST(PictogramPainting, WorkersDrawWhatTheWindowsThreadDraws)
{
    const QStringList emoji = {"🐈", "🐕", "🍎", "🚗", "🇮🇹", "👋🏽", "❤‍🔥", "🐈‍⬛"};
    std::vector<QImage> drawn(std::size_t(emoji.size()));
    QThreadPool workers;
    for (qsizetype i = 0; i < emoji.size(); ++i) workers.start([&, i] { drawn[std::size_t(i)] = PictogramPainter::Draw(emoji[i], QSize(200, 200)); });
    workers.waitForDone();
    for (qsizetype i = 0; i < emoji.size(); ++i) {
        EXPECT_EQ(drawn[std::size_t(i)], PictogramPainter::Draw(emoji[i], QSize(200, 200))) << emoji[i].toStdString();
        const QRect ink = Look(drawn[std::size_t(i)]).ink;
        EXPECT_NEAR(std::max(ink.width(), ink.height()), 140, 3) << emoji[i].toStdString();
    }
}

}  // namespace
}  // namespace lumari::test
