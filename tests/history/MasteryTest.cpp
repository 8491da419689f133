// Mastery and the checks that it lasts, from a learner's rounds.
#include "history/Mastery.h"

#include <gtest/gtest.h>

namespace lumari::test {
namespace {

const QDate kDay0(2026, 12, 1);

// The picture's rounds, one game per word, in order: "day:answers" where
// each answer is R (right, unprompted), P (right after a prompt), W (wrong)
// or - (none), e.g. {"0:RRW", "1:RR"}.
std::vector<MasteryRound> Rounds(const std::vector<const char*>& games)
{
    std::vector<MasteryRound> rounds;
    qint64 session = 0;
    for (const QString game : games) {
        ++session;
        const QStringList parts = game.split(':');
        for (const QChar a : parts[1]) {
            const FirstAnswer first = a == '-' ? FirstAnswer::None : a == 'W' ? FirstAnswer::Wrong : FirstAnswer::Right;
            rounds.push_back({"Animals", "cat.jpg", session, first, a == 'P', kDay0.addDays(parts[0].toInt())});
        }
    }
    return rounds;
}

TEST(Mastery, StagesFromTheRoundsAsATable)
{
    constexpr int kNone = -1;  // no date
    struct Row { const char* name; MasteryRule rule; std::vector<const char*> games; int today; Stage stage;
                 int masteredOn = kNone; int nextCheck = kNone; } const rows[] = {
        {"shown without answers: new", {}, {"0:--"}, 0, Stage::New},
        {"too few rounds: teaching", {}, {"0:RR", "1:RR"}, 1, Stage::Teaching},
        {"5 alone of 5: mastered, checked a week on", {}, {"0:RRR", "1:RR"}, 2, Stage::Mastered, 1, 8},
        {"prompted right answers never count", {}, {"0:PPP", "1:PPPPPP"}, 1, Stage::Teaching},
        {"80 % alone with prompts among them: mastered", {}, {"0:RRRR", "1:P"}, 1, Stage::Mastered, 1, 8},
        {"60 % alone: teaching", {}, {"0:RRRPW"}, 0, Stage::Teaching},
        {"only the last 3 sessions count", {}, {"0:WWWWW", "1:RR", "2:RR", "3:R"}, 3, Stage::Mastered, 3, 10},
        {"a rule of the learner's own", {100, 1, 3}, {"0:RRW", "1:RRR"}, 1, Stage::Mastered, 1, 8},
        {"the learner's rule, not yet", {100, 1, 3}, {"0:RR", "1:RRW"}, 1, Stage::Teaching},
        {"a week on: check due", {}, {"0:RRRRR"}, 7, Stage::CheckDue, 0, 7},
        {"rounds before the check change nothing", {}, {"0:RRRRR", "3:WW"}, 6, Stage::Mastered, 0, 7},
        {"the check passed: the next at 14 days", {}, {"0:RRRRR", "7:R"}, 8, Stage::Mastered, 0, 14},
        {"the check failed: back to teaching", {}, {"0:RRRRR", "7:W"}, 8, Stage::Teaching, 0},
        {"a prompted check fails", {}, {"0:RRRRR", "7:P"}, 8, Stage::Teaching, 0},
        {"back to teaching counts afresh", {}, {"0:RRRRR", "7:WRRR"}, 8, Stage::Teaching, 0},
        {"mastered again after teaching", {}, {"0:RRRRR", "7:WRRR", "8:RR"}, 8, Stage::Mastered, 8, 15},
        {"one check per game", {}, {"0:RRRRR", "30:RRR"}, 30, Stage::CheckDue, 0, 14},
        {"three checks passed: kept", {}, {"0:RRRRR", "7:R", "14:R", "28:R"}, 60, Stage::Kept, 0},
        {"kept stays kept", {}, {"0:RRRRR", "7:R", "14:R", "28:R", "40:WWW"}, 60, Stage::Kept, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto all = MasteryOf(Rounds(row.games), row.rule, kDay0.addDays(row.today));
        const auto found = all.find({"Animals", "cat.jpg"});
        const PictureMastery m = found == all.end() ? PictureMastery() : found->second;
        auto day = [](int offset) { return offset == kNone ? QDate() : kDay0.addDays(offset); };
        EXPECT_EQ(StageName(m.stage), StageName(row.stage));
        EXPECT_EQ(m.masteredOn, day(row.masteredOn));
        EXPECT_EQ(m.nextCheck, day(row.nextCheck));
    }
}

}  // namespace
}  // namespace lumari::test
