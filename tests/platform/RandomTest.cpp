// The random generator: range, spread, and reseeding within one clock tick.
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace lumari {
namespace {

TEST(Random, ValuesLieInTheHalfOpenUnitRangeAndSpreadEvenly)
{
    Random r(7, [] { return 1234u; });
    constexpr int kDraws = 100000, kBins = 10;
    int bins[kBins] = {};
    for (int i = 0; i < kDraws; ++i) {
        const float v = r.Next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        ++bins[int(v * kBins)];
    }
    // Chi-square with 9 degrees of freedom; 27.9 is the 0.1 % tail.
    double chi = 0;
    for (int b : bins) chi += (b - kDraws / kBins) * double(b - kDraws / kBins) / (kDraws / kBins);
    EXPECT_LT(chi, 27.9);
    // Picking one of four, as a round does, reaches every slot.
    std::set<int> slots;
    for (int i = 0; i < 100; ++i) slots.insert(int(r.Next() * 4) + 1);
    EXPECT_EQ(slots, (std::set<int>{1, 2, 3, 4}));
}

TEST(Random, ReseedingWithinOneClockTickStillGivesNewValues)
{
    // The clock stands still, as it does between two quick calls.
    Random r(1, [] { return 42u; });
    std::set<float> seen;
    for (int i = 0; i < 50; ++i) {
        r.Randomize();
        seen.insert(r.Next());
    }
    EXPECT_EQ(seen.size(), 50u);
}

TEST(Random, TheSameSeedAndClockRepeatTheSequenceAndTheClockChangesIt)
{
    Random a(5, [] { return 9u; }), b(5, [] { return 9u; }), c(5, [] { return 10u; });
    a.Randomize();
    b.Randomize();
    c.Randomize();
    const float va = a.Next();
    EXPECT_EQ(va, b.Next());
    EXPECT_NE(va, c.Next());
}

TEST(Random, TheSystemClockMoves)
{
    const auto first = Random::SystemClock();
    std::uint64_t later = first;
    for (int i = 0; i < 1000000 && later == first; ++i) later = Random::SystemClock();
    EXPECT_NE(first, later);
}

}  // namespace
}  // namespace lumari
