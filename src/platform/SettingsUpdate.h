#pragma once

#include "platform/ErrorTrap.h"
#include "platform/Runtime.h"

#include <memory>

namespace lumari {

// The steps of a routine that read settings keys and write them back, made
// one step for every other copy of the program: from construction to
// destruction the settings store is held, and the errors the routine's trap
// meets meanwhile are shown once it is let go, in the order they came.
class SettingsUpdate {
public:
    SettingsUpdate(Runtime& runtime, ErrorTrap& trap, const QString& app) : trap_(trap)
    {
        trap_.Hold();
        try {
            lock_ = runtime.LockSettings(app);
        } catch (...) {
            // Unlocked is still better than not counting at all.
        }
    }
    ~SettingsUpdate()
    {
        lock_.reset();
        try {
            trap_.Release();
        } catch (...) {
        }
    }
    SettingsUpdate(const SettingsUpdate&) = delete;
    SettingsUpdate& operator=(const SettingsUpdate&) = delete;

private:
    ErrorTrap& trap_;
    std::unique_ptr<SettingsLock> lock_;
};

}  // namespace lumari
