#pragma once

#include "platform/Services.h"

#include <cstdint>
#include <functional>

namespace lumari {

// The program's random generator. Reseeding mixes the clock into the current
// state instead of replacing it, so draws made within one clock tick still
// differ.
class Random : public RandomNumbers {
public:
    using Clock = std::function<std::uint64_t()>;

    explicit Random(std::uint64_t seed = 0x853c49e6748fea9bULL, Clock clock = SystemClock);

    void Randomize() noexcept override;
    // Uniform in [0, 1), single precision.
    float Next() noexcept override;

    static std::uint64_t SystemClock();

private:
    std::uint64_t state_;
    Clock clock_;
};

}  // namespace lumari
