#include "platform/SettingsStore.h"

#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace lumari {
namespace {

QString KeyPath(const QString& section, const QString& key) { return section + u'/' + key; }

}  // namespace

QString SettingsStore::FilePath(const QString& app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app).fileName();
}

QString SettingsStore::Get(const QString& app, const QString& section, const QString& key,
                           const QString& defaultValue)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
    const QString path = KeyPath(section, key);
    if (!settings.contains(path)) return defaultValue;
    const QVariant value = settings.value(path);
    // An unquoted "a,b" written by hand reads as a list; it is one text.
    if (value.userType() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void SettingsStore::Save(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
    settings.setValue(KeyPath(section, key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        const QFileInfo file(settings.fileName());
        const QFileInfo folder(file.absolutePath());
        const bool denied = (file.exists() && !file.isWritable()) || (folder.exists() && !folder.isWritable());
        throw RuntimeError(denied ? err::PermissionDenied : err::PathFileAccessError);
    }
}

}  // namespace lumari
