#include "game/TeachingPlan.h"

#include "platform/Services.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lumari {

namespace {

constexpr std::array kProcedures = {
    std::pair{Procedure::None, "none"},
    std::pair{Procedure::Errorless, "errorless"},
    std::pair{Procedure::ConstantDelay, "constant-delay"},
    std::pair{Procedure::ProgressiveDelay, "progressive-delay"},
    std::pair{Procedure::LeastToMost, "least-to-most"},
    std::pair{Procedure::DistractorFading, "distractor-fading"},
};

constexpr int kRightInARowToRise = 3;
constexpr int kSecond = 1000;

int Opacity(PromptForm form) { return form == PromptForm::Hide ? 0 : kDimmedOpacity; }

}  // namespace

QString ProcedureName(Procedure procedure)
{
    for (const auto& [value, name] : kProcedures)
        if (value == procedure) return QString::fromLatin1(name);
    return QStringLiteral("none");
}

std::optional<Procedure> ProcedureNamed(const QString& name)
{
    for (const auto& [value, text] : kProcedures)
        if (name == QLatin1String(text)) return value;
    return std::nullopt;
}

QString PromptFormName(PromptForm form) { return form == PromptForm::Hide ? QStringLiteral("hide") : QStringLiteral("dim"); }

std::optional<PromptForm> PromptFormNamed(const QString& name)
{
    if (name == QLatin1String("dim")) return PromptForm::Dim;
    if (name == QLatin1String("hide")) return PromptForm::Hide;
    return std::nullopt;
}

QStringList DrawFirst(const TeachingPlan& plan, const QStringList& images)
{
    if (!plan.Active()) return images;
    QStringList first;
    for (const QString& image : images)
        if (!plan.learnt.contains(image)) first << image;
    return first.isEmpty() ? images : first;
}

PromptCoach::PromptCoach(TeachingPlan plan)
    : plan_(std::move(plan)), level_(std::clamp(plan_.distractorLevel, kFirstDistractorLevel, kFullDistractorLevel))
{
}

void PromptCoach::RoundShown(MonotonicTime at, const QString& image)
{
    shownAt_ = at;
    due_.reset();
    state_ = {};
    promptMs_.reset();
    wrongAnswers_ = 0;
    answered_ = firstRight_ = false;
    check_ = plan_.Active() && plan_.due.contains(image);
    if (check_) return;  // a check shows what the child knows alone
    switch (plan_.procedure) {
    case Procedure::Errorless: Prompt(at, Opacity(plan_.promptForm)); break;
    case Procedure::ConstantDelay:
    case Procedure::ProgressiveDelay:
        if (plan_.delayMs <= 0)
            Prompt(at, Opacity(plan_.promptForm));
        else
            due_ = at + std::chrono::milliseconds(plan_.delayMs);
        break;
    case Procedure::DistractorFading: state_.distractorOpacity = level_; break;
    case Procedure::None:
    case Procedure::LeastToMost: break;
    }
}

void PromptCoach::TimePassed(MonotonicTime now)
{
    if (due_ && now >= *due_) Prompt(now, Opacity(plan_.promptForm));
}

void PromptCoach::Answered(MonotonicTime at, bool right)
{
    due_.reset();  // the child answered before the delay ran out
    if (!answered_) {
        answered_ = true;
        firstRight_ = right;
        if (plan_.procedure == Procedure::DistractorFading && !check_) {
            if (!right) {
                rightInARow_ = 0;
                level_ = std::max(kFirstDistractorLevel, level_ - kDistractorLevelStep);
            } else if (++rightInARow_ == kRightInARowToRise) {
                rightInARow_ = 0;
                level_ = std::min(kFullDistractorLevel, level_ + kDistractorLevelStep);
            }
        }
    }
    // Least to most: each wrong answer brings more help, never on a check.
    if (!right && plan_.procedure == Procedure::LeastToMost && !check_) {
        ++wrongAnswers_;
        Prompt(at, wrongAnswers_ == 1 ? kDimmedOpacity : 0);
    }
}

std::optional<MonotonicTime> PromptCoach::PromptDue() const { return due_; }

void PromptCoach::Prompt(MonotonicTime at, int opacity)
{
    due_.reset();
    state_ = {opacity, true};
    if (!answered_ && !promptMs_)
        promptMs_ = std::chrono::duration_cast<std::chrono::milliseconds>(at - shownAt_).count();
}

int PositionPlan::Next(int places)
{
    if (places < 1) return 0;
    if (block_.size() != std::size_t(places)) used_ = block_.size();  // a new block, whatever is left
    if (used_ == block_.size()) {
        block_.resize(std::size_t(places));
        for (int i = 0; i < places; ++i) block_[std::size_t(i)] = i;
        // Fisher-Yates on the game's generator, so that a seeded game repeats.
        for (int i = places - 1; i > 0; --i) {
            const int j = std::min(i, int(random_.Next() * float(i + 1)));
            std::swap(block_[std::size_t(i)], block_[std::size_t(j)]);
        }
        used_ = 0;
    }
    return block_[used_++];
}

int DefaultDelaySeconds(Procedure procedure) { return procedure == Procedure::ProgressiveDelay ? 5 : 4; }

int SessionDelayMs(Procedure procedure, const DelayRule& rule, const std::vector<SessionOutcome>& previous)
{
    const int longest = std::max(0, rule.delaySeconds) * kSecond;
    if (procedure == Procedure::ConstantDelay) {
        const auto played = std::count_if(previous.begin(), previous.end(),
            [](const SessionOutcome& s) { return s.procedure == Procedure::ConstantDelay; });
        return played < rule.zeroDelaySessions ? 0 : longest;
    }
    if (procedure != Procedure::ProgressiveDelay) return 0;
    const auto last = std::find_if(previous.rbegin(), previous.rend(),
        [](const SessionOutcome& s) { return s.procedure == Procedure::ProgressiveDelay; });
    if (last == previous.rend()) return 0;
    // From the last delay in whole seconds, so that a changed D or a hand-edited value still steps by 1 s.
    int delay = std::clamp(int(last->delayMs.value_or(0) / kSecond) * kSecond, 0, longest);
    if (last->firstAnswers > 0) {
        if (last->unpromptedRight * 10 >= last->firstAnswers * 9)
            delay += kSecond;
        else if (last->unpromptedRight * 2 < last->firstAnswers)
            delay -= kSecond;
    }
    return std::clamp(delay, 0, longest);
}

}  // namespace lumari
