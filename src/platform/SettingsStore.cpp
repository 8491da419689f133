#include "platform/SettingsStore.h"

#include "platform/RuntimeError.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
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

// Whether a settings file holds anything the INI reader would drop: a NUL
// byte, text that is not UTF-8, or a line that is neither blank, a comment, a
// "[section]" nor a "key=value". The reader's own error status cannot be
// trusted here: it is lost once the parsed file sits in Qt's cache.
bool LooksDamaged(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists()) return false;
    if (!file.open(QIODevice::ReadOnly)) return true;
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) return true;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) return true;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#') || line.contains(u'=')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) continue;
        return true;
    }
    return false;
}

// Keeps the bytes of a settings file that could not be read beside it, since
// the next write replaces the file with only what could be read. False when
// no copy could be made.
bool KeepDamagedCopy(const QString& fileName)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = fileName + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(copy); ++n) copy = fileName + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    return QFile::copy(fileName, copy);
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
    if (LooksDamaged(settings.fileName()) && !KeepDamagedCopy(settings.fileName()))
        throw RuntimeError(err::PathFileAccessError);
    // A hand-edited list-looking value would be written back as a list: keep it as the text it was.
    for (const QString& path : settings.allKeys()) {
        const qsizetype slash = path.indexOf(u'/');
        if (slash > 0 && settings.value(path).userType() == QMetaType::QStringList)
            settings.setValue(path, RawValue(settings.fileName(), path.left(slash), path.mid(slash + 1)));
    }
    settings.setValue(KeyPath(section, key), value);
    settings.sync();
    // A format error here is the one met reading the file, already dealt with.
    if (settings.status() == QSettings::AccessError) {
        const QFileInfo file(settings.fileName());
        const QFileInfo folder(file.absolutePath());
        const bool denied = (file.exists() && !file.isWritable()) || (folder.exists() && !folder.isWritable());
        throw RuntimeError(denied ? err::PermissionDenied : err::PathFileAccessError);
    }
}

}  // namespace lumari
