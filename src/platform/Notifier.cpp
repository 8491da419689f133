#include "platform/Notifier.h"

namespace lumari {
namespace {

// The message box styles' icons.
constexpr int kIconBits = 0x70;
constexpr int kQuestionIcon = 32;
constexpr int kWarningIcon = 48;

}  // namespace

bool BoxesNotifier::Tell(Severity severity, const QString& text, const QString& title) noexcept
{
    switch (severity) {
    case Severity::Information: boxes_.MsgBox(text, mb::Information, title); return true;
    case Severity::Warning: boxes_.MsgBox(text, kWarningIcon, title); return true;
    case Severity::Critical: boxes_.MsgBox(text, mb::Critical, title); return true;
    case Severity::Question: return boxes_.MsgBox(text, mb::YesNo + kQuestionIcon, title) == mb::Yes;
    }
    return true;
}

int NotifierBoxes::MsgBox(const QString& prompt, int style, const QString& title) noexcept
{
    const bool question = (style & 0x7) == mb::YesNo;
    if (question) return notifier_.Tell(Severity::Question, prompt, title) ? mb::Yes : mb::No;
    switch (style & kIconBits) {
    case mb::Critical: notifier_.Tell(Severity::Critical, prompt, title); break;
    case kWarningIcon: notifier_.Tell(Severity::Warning, prompt, title); break;
    default: notifier_.Tell(Severity::Information, prompt, title); break;
    }
    return mb::Ok;
}

QString NotifierBoxes::InputBox(const QString&, const QString&) noexcept { return QString(); }

}  // namespace lumari
