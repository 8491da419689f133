#pragma once

#include "platform/Services.h"
#include "platform/SettingsLock.h"

#include <QString>

#include <memory>

namespace lumari {

// The per-user settings store: one INI file per application under the user's
// configuration folder, one section per settings section, every value text.
class SettingsStore : public Settings {
public:
    QString Get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) noexcept override;
    // Written through at once, so a crash later loses nothing already saved:
    // the new file replaces the old by a rename after its bytes are on disk,
    // so a copy killed while writing leaves the one or the other, never a mix.
    // A file that could not be read is first copied beside itself
    // ("K.Orvel-Lumari.ini.damaged-<time>"); when even that fails, nothing is
    // written and error 75 is raised.
    void Save(const QString& app, const QString& section, const QString& key, const QString& value) override;

    // Holds the file against every other copy of the program until the
    // result is destroyed; each Save holds it too, joining a lock held here.
    std::unique_ptr<SettingsLock> Lock(const QString& app) noexcept override;

    // Where the file of an application lives.
    static QString FilePath(const QString& app);

private:
    std::weak_ptr<QLockFile> lock_;
};

}  // namespace lumari
