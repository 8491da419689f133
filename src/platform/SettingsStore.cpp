#include "platform/SettingsStore.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace lumari {
namespace {

QString KeyPath(const QString& section, const QString& key) { return section + u'/' + key; }

// The value of a key exactly as written in the file, blanks around it
// dropped: what a hand-edited unquoted "a, b" means, which the INI reader
// splits into a list.
QString RawValue(const QString& fileName, const QString& section, const QString& key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QString current;
    QString found;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && current == section && line.left(eq).trimmed() == key) found = line.mid(eq + 1).trimmed();
    }
    return found;
}

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
    if (value.userType() == QMetaType::QStringList) {
        const QString raw = RawValue(settings.fileName(), section, key);
        return raw.isEmpty() ? value.toStringList().join(u',') : raw;
    }
    return value.toString();
}

void SettingsStore::Save(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
    // A hand-edited list-looking value would be written back as a list: keep it as the text it was.
    for (const QString& path : settings.allKeys()) {
        const qsizetype slash = path.indexOf(u'/');
        if (slash > 0 && settings.value(path).userType() == QMetaType::QStringList)
            settings.setValue(path, RawValue(settings.fileName(), path.left(slash), path.mid(slash + 1)));
    }
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
