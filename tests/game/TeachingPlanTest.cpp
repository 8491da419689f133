// The teaching plan's procedures on a stepped clock, the right symbol's
// places over many seeded games, and each session's delay from the previous.
#include "game/TeachingPlan.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace lumari::test {
namespace {

using std::chrono::milliseconds;
using enum Procedure;

const MonotonicTime kShown{std::chrono::hours(1)};
MonotonicTime At(int ms) { return kShown + milliseconds(ms); }

TeachingPlan Plan(Procedure procedure, int delayMs = 0, PromptForm form = PromptForm::Dim, int level = 20)
{
    TeachingPlan plan;
    return plan.procedure = procedure, plan.delayMs = delayMs, plan.promptForm = form, plan.distractorLevel = level, plan;
}

TEST(TeachingPlan, EachProcedurePromptsAtItsMomentAndTheFirstAnswerSaysWhetherPrompted)
{
    // After the image, at ms: t time passes, w a wrong answer, r a right one; "check" makes it a due picture's round.
    // dueMs: when the prompt is due, right after the image; the others: after the steps.
    struct Row { const char* name; TeachingPlan plan; const char* steps; std::optional<int> dueMs; int opacity; bool prompt;
                 std::optional<qint64> promptMs; bool prompted; } const rows[] = {
        {"no plan never prompts", Plan(None), "t5000", {}, 100, false, {}, false},
        {"errorless dims with the image", Plan(Errorless), "r300", {}, 20, true, 0, true},
        {"constant delay: the prompt once time has passed", Plan(ConstantDelay, 2000), "t1500 t2100 r2300", 2000, 20, true, 2100, true},
        {"constant delay: answered first, no prompt", Plan(ConstantDelay, 2000), "r900 t3000", 2000, 100, false, {}, false},
        {"constant delay: a wrong answer first settles it", Plan(ConstantDelay, 2000), "w900 t3000 r3100", 2000, 100, false, {}, false},
        {"an answer before the window looked again is unprompted", Plan(ConstantDelay, 2000), "r2500", 2000, 100, false, {}, false},
        {"a zero-delay session prompts with the image", Plan(ProgressiveDelay, 0, PromptForm::Hide), "", {}, 0, true, 0, false},
        {"progressive delay at its delay, hidden", Plan(ProgressiveDelay, 1000, PromptForm::Hide), "t1000 w1200", 1000, 0, true, 1000, false},
        {"least to most: a wrong answer dims, never before", Plan(LeastToMost), "t9000 w9100", {}, 20, true, {}, false},
        {"least to most: a second wrong answer hides", Plan(LeastToMost), "w500 w800 r900", {}, 0, true, {}, false},
        {"distractor fading shows its level, no prompt", Plan(DistractorFading, 0, PromptForm::Dim, 40), "r700", {}, 40, false, {}, false},
        {"a check of errorless shows no prompt", Plan(Errorless), "check r400", {}, 100, false, {}, false},
        {"a check of constant delay shows none", Plan(ConstantDelay, 1000), "check t5000", {}, 100, false, {}, false},
        {"a check of least to most shows none", Plan(LeastToMost), "check w500 w600", {}, 100, false, {}, false},
        {"a check of fading shows all", Plan(DistractorFading, 0, PromptForm::Dim, 40), "check", {}, 100, false, {}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList steps = QString(row.steps).split(' ', Qt::SkipEmptyParts);
        TeachingPlan plan = row.plan;
        if (steps.value(0) == "check") plan.due << "cat.jpg", steps.removeFirst();
        PromptCoach coach(plan);
        coach.RoundShown(kShown, "cat.jpg");
        const auto due = coach.PromptDue();
        EXPECT_EQ(due ? std::optional(int((*due - kShown) / milliseconds(1))) : std::nullopt, row.dueMs);
        for (const QString& step : steps) {
            if (step[0] == 't') coach.TimePassed(At(step.mid(1).toInt()));
            else coach.Answered(At(step.mid(1).toInt()), step[0] == 'r');
        }
        EXPECT_EQ(coach.State().distractorOpacity, row.opacity);
        EXPECT_EQ(coach.State().prompt, row.prompt);
        EXPECT_EQ(coach.PromptMs(), row.promptMs);
        EXPECT_EQ(coach.FirstAnswerPrompted(), row.prompted);
    }
}

TEST(TeachingPlan, DistractorFadingRisesAfterThreeAloneAndStepsBackAfterAWrongRound)
{
    // Each round's answers in order (R right, W wrong); "c" before a round makes it a check.
    struct Row { const char* name; int level; std::vector<const char*> rounds; int after; } const rows[] = {
        {"three right first answers rise by 20, six twice", 20, {"R", "R", "R", "R", "R", "R"}, 60},
        {"never past 100", 100, {"R", "R", "R"}, 100},
        {"a wrong first answer steps back and restarts the count", 60, {"R", "R", "WR", "R", "R"}, 40},
        {"a round with many wrong answers steps back once", 60, {"WWWR"}, 40},
        {"never below 20", 20, {"WR"}, 20},
        {"a check round leaves the level alone", 40, {"R", "R", "cWR", "R"}, 60},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TeachingPlan plan = Plan(DistractorFading, 0, PromptForm::Dim, row.level);
        plan.due << "due.jpg";
        PromptCoach coach(plan);
        int ms = 0;
        for (QString round : row.rounds) {
            const bool check = round.startsWith('c');
            coach.RoundShown(At(ms += 1000), check ? "due.jpg" : "cat.jpg");
            for (QChar answer : round.mid(check ? 1 : 0)) coach.Answered(At(ms += 100), answer == 'R');
        }
        EXPECT_EQ(coach.DistractorLevel(), row.after);
        coach.RoundShown(At(ms + 1000), "cat.jpg");
        EXPECT_EQ(coach.State().distractorOpacity, row.after);
    }
}

TEST(TeachingPlan, TheRightPlaceNeverThreeTimesRunningAndEachTwiceIn12Rounds)
{
    std::map<int, std::set<std::vector<int>>> firstBlocks;
    for (int places = 2; places <= 4; ++places) {
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            Random random(seed, [] { return std::uint64_t(0); });
            PositionPlan positions(random);
            std::vector<int> shown;
            for (int round = 0; round < 60; ++round) shown.push_back(positions.Next(places));
            SCOPED_TRACE(testing::Message() << places << " places, seed " << seed);
            for (std::size_t i = 2; i < shown.size(); ++i)
                ASSERT_FALSE(shown[i] == shown[i - 1] && shown[i] == shown[i - 2]) << "round " << i;
            for (std::size_t from = 0; from + 12 <= shown.size(); ++from)
                for (int place = 0; place < places; ++place)
                    ASSERT_GE(std::count(shown.begin() + from, shown.begin() + from + 12, place), 2) << "rounds from " << from;
            firstBlocks[places].insert({shown.begin(), shown.begin() + places});
            Random again(seed, [] { return std::uint64_t(0); });
            PositionPlan replay(again);
            for (std::size_t round = 0; round < shown.size(); ++round) ASSERT_EQ(replay.Next(places), shown[round]);
        }
    }
    // Every order of the places comes up: the blocks are drawn, not fixed.
    EXPECT_EQ(firstBlocks[2].size(), 2u);
    EXPECT_EQ(firstBlocks[3].size(), 6u);
    EXPECT_EQ(firstBlocks[4].size(), 24u);
}

TEST(TeachingPlan, TheSessionsDelayFollowsThePreviousSessionsOnTheSet)
{
    // A previous session: its procedure, delay, first answers and unprompted right ones.
    const SessionOutcome constant{ConstantDelay, 0, 10, 5}, unplanned{None, {}, 10, 10};
    auto progressive = [](int delayMs, int answers, int alone) { return SessionOutcome{ProgressiveDelay, delayMs, answers, alone}; };
    struct Row { const char* name; Procedure procedure; DelayRule rule; std::vector<SessionOutcome> previous; int delayMs; } const rows[] = {
        {"constant: the first two sessions at 0", ConstantDelay, {4, 2}, {constant}, 0},
        {"constant: the third at D", ConstantDelay, {4, 2}, {constant, constant}, 4000},
        {"constant: games without it do not count", ConstantDelay, {4, 2}, {unplanned, unplanned, constant}, 0},
        {"constant: no zero-delay sessions", ConstantDelay, {2, 0}, {}, 2000},
        {"progressive: the first session at 0", ProgressiveDelay, {5, 2}, {unplanned}, 0},
        {"progressive: 90 % alone grows 1 s", ProgressiveDelay, {5, 2}, {progressive(0, 10, 9)}, 1000},
        {"progressive: just below 90 % stays", ProgressiveDelay, {5, 2}, {progressive(2000, 9, 8)}, 2000},
        {"progressive: not past D", ProgressiveDelay, {5, 2}, {progressive(5000, 10, 10)}, 5000},
        {"progressive: a lowered D caps it", ProgressiveDelay, {3, 2}, {progressive(5000, 10, 5)}, 3000},
        {"progressive: below 50 % steps back", ProgressiveDelay, {5, 2}, {progressive(2000, 10, 4)}, 1000},
        {"progressive: 50 % stays", ProgressiveDelay, {5, 2}, {progressive(2000, 10, 5)}, 2000},
        {"progressive: not below 0", ProgressiveDelay, {5, 2}, {progressive(0, 10, 0)}, 0},
        {"progressive: from the last of its sessions", ProgressiveDelay, {5, 2}, {progressive(1000, 10, 10), progressive(2000, 10, 10), unplanned, constant}, 3000},
        {"other procedures: 0", Errorless, {4, 2}, {constant, constant, constant}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SessionDelayMs(row.procedure, row.rule, row.previous), row.delayMs);
    }
}

TEST(TeachingPlan, LearntPicturesAreDrawnOnlyWhenNothingElseIsLeft)
{
    TeachingPlan plan = Plan(Errorless);
    plan.learnt = {"cat.jpg", "dog.jpg"}, plan.due = {"cow.jpg"};
    EXPECT_EQ(DrawFirst(plan, {"cat.jpg", "cow.jpg", "dog.jpg", "hen.jpg"}), QStringList({"cow.jpg", "hen.jpg"}));
    EXPECT_EQ(DrawFirst(plan, {"cat.jpg", "dog.jpg"}), QStringList({"cat.jpg", "dog.jpg"}));
}

}  // namespace
}  // namespace lumari::test
