#pragma once

#include "platform/QtRuntime.h"
#include "platform/Random.h"

namespace lumari::bench {

// The real runtime, but no box waits for a hand and no sound plays; the
// generator is seeded so both ways play the same rounds.
class BenchRuntime : public QtRuntime {
public:
    BenchRuntime(const QString& appPath, std::uint64_t seed)
        : QtRuntime(appPath), seeded_(seed, [this] { return ++tick_; })
    {
    }
    int MsgBox(const QString&, int, const QString&) override
    {
        ++boxes;
        return mb::Ok;
    }
    void PlayWave(const QString&) override {}
    void Randomize() override { seeded_.Randomize(); }
    float RandomNext() override { return seeded_.Next(); }

    int boxes = 0;

private:
    std::uint64_t tick_ = 0;
    Random seeded_;
};

}  // namespace lumari::bench
