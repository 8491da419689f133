#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace lumari {

// Holds the settings file of one application for a read-modify-write across
// every copy of the program, until destroyed: a lock file beside the settings
// file ("K.Orvel-Lumari.ini.update-lock"). A lock left by a copy that was
// killed is taken over at once; one whose holder hangs, after kStaleMs. When
// the lock cannot be had at all (a read-only folder, where no copy can write
// either), the holder goes on unlocked rather than never. Locking again while
// held, in the same copy, shares the one lock.
class SettingsLock {
public:
    static constexpr int kStaleMs = 10000;
    static constexpr int kWaitMs = 15000;

    explicit SettingsLock(std::shared_ptr<QLockFile> lock) : lock_(std::move(lock)) {}

    bool held() const;

    // A lock on a settings file, taken (waiting for it) or joined when this
    // copy holds it already through `shared`.
    static std::shared_ptr<QLockFile> Take(const QString& settingsFile, std::weak_ptr<QLockFile>& shared);
    static QString LockFileName(const QString& settingsFile);

private:
    std::shared_ptr<QLockFile> lock_;
};

}  // namespace lumari
