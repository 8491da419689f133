#include "platform/ErrorTrap.h"

namespace lumari {

void ErrorTrap::Report(const RuntimeError& error) const
{
    if (holding_) {
        held_.push_back(error);
        return;
    }
    runtime_.MsgBox(MessageText(error.description(), name_, kind_), mb::Critical);
}

void ErrorTrap::Release()
{
    holding_ = false;
    std::vector<RuntimeError> held;
    held.swap(held_);
    for (const RuntimeError& error : held) Report(error);
}

QString ErrorTrap::MessageText(const QString& description, const QString& name, Kind kind)
{
    return QStringLiteral("Error \"%1\" in %2() %3")
        .arg(description, name, kind == Kind::Function ? QStringLiteral("function") : QStringLiteral("routine"));
}

}  // namespace lumari
