#pragma once

#include "platform/ErrorTrap.h"
#include "platform/HeldBoxes.h"
#include "platform/Services.h"

#include <memory>

namespace lumari {

// The steps of a routine that read settings keys and write them back, made
// one step for every other copy of the program: from construction to
// destruction the settings store is held, and what trap() reports is shown
// once it is let go, in the order it came.
class SettingsUpdate {
public:
    SettingsUpdate(const Services& services, const ErrorTrap& routine, const QString& app)
        : held_(services.boxes), trap_(held_, routine.name(), routine.kind()), lock_(services.settings.Lock(app))
    {
    }
    ~SettingsUpdate()
    {
        lock_.reset();
        held_.Release();
    }
    SettingsUpdate(const SettingsUpdate&) = delete;
    SettingsUpdate& operator=(const SettingsUpdate&) = delete;

    // The routine's trap, holding its reports.
    ErrorTrap& trap() { return trap_; }

private:
    HeldBoxes held_;
    ErrorTrap trap_;
    std::unique_ptr<SettingsLock> lock_;
};

}  // namespace lumari
