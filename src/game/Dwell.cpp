#include "game/Dwell.h"

#include <algorithm>

namespace lumari {

void Dwell::RoundShown(MonotonicTime at)
{
    showing_ = true;
    since_ = at;
    spent_ = false;
}

void Dwell::Stop()
{
    showing_ = false;
}

std::optional<int> Dwell::PointerAt(MonotonicTime at, std::optional<int> symbol)
{
    const std::optional<int> selected = TimePassed(at);
    if (symbol == under_) return selected;
    under_ = symbol;
    since_ = at;
    spent_ = false;
    return selected;
}

std::optional<int> Dwell::TimePassed(MonotonicTime now)
{
    const auto due = NextDue();
    if (!due || now < *due) return std::nullopt;
    spent_ = true;
    return under_;
}

std::optional<MonotonicTime> Dwell::NextDue() const
{
    if (!Filling()) return std::nullopt;
    return since_ + dwell_;
}

std::optional<int> Dwell::Filling() const
{
    if (!showing_ || spent_) return std::nullopt;
    return under_;
}

double Dwell::Fill(MonotonicTime now) const
{
    if (!Filling() || now <= since_) return 0.0;
    return std::min(1.0, std::chrono::duration<double>(now - since_) / std::chrono::duration<double>(dwell_));
}

}  // namespace lumari
