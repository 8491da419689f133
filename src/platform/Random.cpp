#include "platform/Random.h"

#include <chrono>

namespace lumari {
namespace {

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

Random::Random(std::uint64_t seed, Clock clock) : state_(seed), clock_(std::move(clock)) {}

std::uint64_t Random::SystemClock()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

void Random::Randomize() noexcept { state_ = Mix(state_ ^ Mix(clock_ ? clock_() : 0)); }

float Random::Next() noexcept
{
    state_ += 0x9e3779b97f4a7c15ULL;
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(Mix(state_) >> 40) * (1.0f / 16777216.0f);
}

}  // namespace lumari
