#include "GameFixture.h"

#include "game/Casuale.h"
#include "platform/RuntimeError.h"

#include <QSet>

#include <map>

namespace lumari::test {
namespace {

// The runtime with draws given by the test, counting the reseeds; no draws left is a failing generator.
class ScriptedDraws : public TestRuntime {
public:
    using TestRuntime::TestRuntime;
    std::deque<float> draws;
    int reseeds = 0;
    void Randomize() override { ++reseeds; }
    float RandomNext() override
    {
        if (draws.empty()) throw RuntimeError(err::InvalidCall);
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
};

TEST(Casuale, ScalesEachReseededDrawToOneToMaxAndReportsAFailedDraw)
{
    AppFolder app;
    ScriptedDraws runtime(app.path());
    struct Case {
        float r;
        std::int32_t max, expected;
    };
    const Case cases[] = {{0.0f, 4, 1},        {0.2499999f, 4, 1},       {0.25f, 4, 2},
                          {0.99999994f, 4, 4}, {0.99999994f, 1000, 1000}, {0.5f, 2147483647, 1073741824}};
    for (const Case& c : cases) runtime.draws.push_back(c.r);
    for (const Case& c : cases) EXPECT_EQ(Casuale(runtime, c.max), c.expected) << c.r << " x " << c.max;
    EXPECT_EQ(runtime.reseeds, int(std::size(cases)));
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(Casuale(runtime, 5), 0);
    EXPECT_EQ(runtime.BoxTexts(), QStringList({"Error \"Invalid procedure call or argument\" in Casuale() function"}));
}

TEST(LabelText, TakesOutEveryExactJpgThenUpperCases)
{
    const std::pair<QString, QString> cases[] = {{"cat.jpg", "CAT"},     {"Dog.JPG", "DOG.JPG"},  {"a.jpg.jpg", "A"},
                                                 {"x.j.jpgpg", "X.JPG"}, {"Été.Jpg", "ÉTÉ.JPG"}, {"", ""}};
    for (const auto& [name, label] : cases) EXPECT_EQ(LabelText(name), label) << name.toStdString();
}

// Chi-square statistic of counts against equal expectations.
double ChiSquare(const std::map<QString, int>& counts, int cells, int total)
{
    const double expected = double(total) / cells;
    double chi = (cells - int(counts.size())) * expected;  // cells never drawn
    for (const auto& [key, n] : counts) chi += (n - expected) * (n - expected) / expected;
    return chi;
}

TEST_F(GameTest, ManySeededRoundsKeepTheRulesAndDrawUniformly)
{
    module1.MaxPlaceholders = 4;
    MakeSet({"Cat.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}, {"cat.jpg", "B.JPG", "c.jpg", "d.jpg", "e.jpg", "f.jpg"});
    StartGame();
    runtime.boxes.clear();  // the check's report of f.jpg

    constexpr int kRounds = 2000;
    std::map<QString, int> images, positions, wrongs;
    for (int n = 0; n < kRounds; ++n, Skip()) {
        const RoundState& round = window->game().round;
        const QList<int> right = RightPositions();
        ASSERT_EQ(right.size(), 1) << "round " << n;
        ASSERT_EQ(window->lblImmagine()->text(), LabelText(round.imageTag));
        QSet<QString> seen;
        for (int i = 0; i < 4; ++i) {
            const QString tag = round.symbolTags[std::size_t(i)];
            ASSERT_FALSE(tag.isEmpty());
            ASSERT_FALSE(seen.contains(tag.toUpper())) << "round " << n << ": " << tag.toStdString() << " twice";
            seen.insert(tag.toUpper());
            ASSERT_EQ(window->lblSimbolo(i)->text(), LabelText(tag));
            if (i != right.front()) ++wrongs[tag.toUpper()];
        }
        ++images[round.imageTag];
        ++positions[QString::number(right.front())];
    }
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(module1.SessionShown, kRounds + 1);
    EXPECT_EQ(window->game().images.Count(), 5);  // random mode keeps every image

    // Loose bounds (far beyond the 99.9th percentile) that a biased draw fails.
    EXPECT_LT(ChiSquare(images, 5, kRounds), 30.0);
    EXPECT_LT(ChiSquare(positions, 4, kRounds), 30.0);
    // Every symbol serves as a wrong one, f.jpg (never right) most often.
    EXPECT_EQ(wrongs.size(), 6u);
    EXPECT_GT(wrongs["F.JPG"], wrongs["C.JPG"]);
}

TEST_F(GameTest, EmptyImagesFolderReportsBothPicturesAndNoPlaceholderIsRight)
{
    MakeSet({}, {"a.jpg", "b.jpg"});
    StartGame();
    const QString folderError = "Error \"Path/File access error\" in Cambia() routine";
    EXPECT_EQ(runtime.BoxTexts(), QStringList({"These images have no correspondant symbol:\r\n",
                                               "These symbols have no correspondant image:\r\na.jpg\r\nb.jpg",
                                               folderError, folderError}));
    EXPECT_EQ(module1.SessionShown, 1);
    EXPECT_TRUE(RightPositions().isEmpty());
    ClickSymbol(0);
    ClickSymbol(1);
    EXPECT_EQ(module1.SessionWrong, 1);
    EXPECT_EQ(module1.SessionShown, 1);
}

TEST_F(GameTest, SymbolsDifferingOnlyInLetterCaseCannotHangTheRound)
{
    module1.MaxPlaceholders = 3;
    MakeSet({"b.jpg"}, {"a.jpg", "A.JPG", "b.jpg"});
    StartGame();  // must simply return
    ASSERT_TRUE(window);
    const QString guard = "Error \"Not enough symbols with different names (letter case ignored) to fill 3 symbols "
                          "placeholders\" in Cambia() routine";
    EXPECT_EQ(runtime.BoxTexts().count(guard), 1) << runtime.BoxTexts().join(" | ").toStdString();
    EXPECT_EQ(module1.SessionShown, 1);
    ASSERT_EQ(RightPositions().size(), 1);
    const auto& tags = window->game().round.symbolTags;
    EXPECT_EQ(QSet<QString>({tags[0].toUpper(), tags[1].toUpper(), tags[2].toUpper()}), QSet<QString>({"A.JPG", "B.JPG", ""}));
    ClickSymbol(RightPosition());
    EXPECT_EQ(runtime.BoxTexts().count(guard), 2);
    EXPECT_EQ(module1.SessionCorrect, 1);
}

}  // namespace
}  // namespace lumari::test
