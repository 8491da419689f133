#pragma once

#include <QString>

namespace lumari {

// The per-user settings store: one INI file per application under the user's
// configuration folder, one section per settings section, every value text.
class SettingsStore {
public:
    QString Get(const QString& app, const QString& section, const QString& key, const QString& defaultValue);
    // Written through at once, so a crash later loses nothing already saved.
    void Save(const QString& app, const QString& section, const QString& key, const QString& value);

    // Where the file of an application lives.
    static QString FilePath(const QString& app);
};

}  // namespace lumari
