#pragma once

#include <QString>

namespace lumari {

// The per-user settings store: one INI file per application under the user's
// configuration folder, one section per settings section, every value text.
class SettingsStore {
public:
    QString Get(const QString& app, const QString& section, const QString& key, const QString& defaultValue);
    // Written through at once, so a crash later loses nothing already saved.
    // A file that could not be read is first copied beside itself
    // ("K.Orvel-Lumari.ini.damaged-<time>"); when even that fails, nothing is
    // written and error 75 is raised.
    void Save(const QString& app, const QString& section, const QString& key, const QString& value);

    // Where the file of an application lives.
    static QString FilePath(const QString& app);
};

}  // namespace lumari
