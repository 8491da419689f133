#include "game/Scanner.h"

namespace lumari {
namespace {

// Passes over the symbols with no press before the scan pauses.
constexpr int kSilentPasses = 3;

}  // namespace

Scanner::Scanner(int stepMs, ScanMode mode, ScanKeys keys, int debounceMs)
    : step_(std::chrono::milliseconds(stepMs)), mode_(mode), keys_(std::move(keys)), debounce_(debounceMs)
{
}

// A key given both roles selects: selecting is what the child came for.
bool Scanner::IsSelect(int key) const { return keys_.Select(mode_).contains(key); }
bool Scanner::IsStep(int key) const { return !IsSelect(key) && keys_.Step(mode_).contains(key); }

void Scanner::RoundShown(MonotonicTime at, int symbols)
{
    symbols_ = symbols;
    if (symbols_ <= 0) {
        Stop();
        return;
    }
    Restart(at);
}

void Scanner::Stop()
{
    symbols_ = 0;
    due_.reset();
    state_ = ScanState();
}

void Scanner::Restart(MonotonicTime at)
{
    state_ = ScanState{0, false};
    silentSteps_ = 0;
    // The first symbol stays framed half a step longer: the child has just seen the image.
    if (mode_ == ScanMode::Auto) due_ = at + step_ * 3 / 2;
}

void Scanner::Step()
{
    state_.framed = (state_.framed.value_or(-1) + 1) % symbols_;
}

void Scanner::TimePassed(MonotonicTime now)
{
    while (due_ && now >= *due_) {
        if (++silentSteps_ >= kSilentPasses * symbols_) {
            state_ = ScanState{std::nullopt, true};
            due_.reset();
            return;
        }
        Step();
        *due_ += step_;  // on the round's beat, however late the timer fired
    }
}

std::optional<int> Scanner::Pressed(MonotonicTime at, int key)
{
    if (!Takes(key) || symbols_ <= 0) return std::nullopt;
    TimePassed(at);
    if (lastPress_ && at - *lastPress_ < debounce_) return std::nullopt;
    lastPress_ = at;
    if (state_.paused) {
        Restart(at);
        return std::nullopt;
    }
    if (IsStep(key)) {
        Step();
        silentSteps_ = 0;
        if (mode_ == ScanMode::Auto) due_ = at + step_;
        return std::nullopt;
    }
    const std::optional<int> selected = state_.framed;
    Restart(at);
    return selected;
}

}  // namespace lumari
