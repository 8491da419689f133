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
        ASSERT_TRUE(v >= 0.0f && v < 1.0f) << v;
        ++bins[int(v * kBins)];
    }
    // Chi-square with 9 degrees of freedom; 27.9 is the 0.1 % tail.
    double chi = 0;
    for (int b : bins) chi += (b - kDraws / kBins) * double(b - kDraws / kBins) / (kDraws / kBins);
    EXPECT_LT(chi, 27.9);
}

TEST(Random, ReseedingMixesTheClockIntoTheState)
{
    // The clock stands still, as it does between two quick calls: still new values.
    Random r(1, [] { return 42u; });
    std::set<float> seen;
    for (int i = 0; i < 50; ++i) {
        r.Randomize();
        seen.insert(r.Next());
    }
    EXPECT_EQ(seen.size(), 50u);
    // Another clock gives another sequence from the same state.
    Random a(5, [] { return 9u; }), b(5, [] { return 10u; });
    a.Randomize();
    b.Randomize();
    EXPECT_NE(a.Next(), b.Next());
    // And the real clock moves.
    const auto first = Random::SystemClock();
    std::uint64_t later = first;
    for (int i = 0; i < 1000000 && later == first; ++i) later = Random::SystemClock();
    EXPECT_NE(first, later);
}

}  // namespace
}  // namespace lumari
