#include "platform/SettingsStore.h"

#include "platform/RuntimeError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Whether one line of a settings file is sound: UTF-8 text without control
// characters that is blank, a comment, a "[section]" or a "key=value".
bool SoundLine(QByteArrayView raw)
{
    for (const char c : raw) {
        if ((uchar(c) < 0x20 && c != '\t' && c != '\r') || c == 0x7f) return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(raw);
    if (utf8.hasError()) return false;
    const QStringView line = QStringView(text).trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#') || line.contains(u'=')) return true;
    return line.startsWith(u'[') && line.endsWith(u']');
}

// Whether a settings file's bytes hold anything the INI reader would drop or
// misread. The reader's own error status cannot be trusted here: it is lost
// once the parsed file sits in Qt's cache.
bool LooksDamaged(const QByteArray& bytes)
{
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        if (!SoundLine(QByteArrayView(bytes).sliced(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

// The sound lines of a damaged settings file, all that the next write keeps:
// the rest would come back as keys made of garbage.
QByteArray SoundLines(const QByteArray& bytes)
{
    QByteArray kept;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        if (SoundLine(line)) kept.append(line).append('\n');
        start = end + 1;
    }
    return kept;
}

// Flushes a folder's entries (a rename done in it) to the disk.
void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Keeps the bytes of a settings file that could not be read beside it, since
// the next write replaces the file with only what could be read. The copy is
// on disk before that write happens. False when no copy could be made.
bool KeepDamagedCopy(const QString& fileName, const QByteArray& bytes)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = fileName + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(copy); ++n) copy = fileName + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    QSaveFile file(copy);  // written aside, synced, then renamed into place
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) return false;
    SyncFolder(QFileInfo(fileName).absolutePath());
    return true;
}

// The modification time of a file in milliseconds, -1 when there is none.
qint64 ModifiedMs(const QString& fileName)
{
    struct stat info {};
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0) return -1;
    return qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
}

// Qt rereads a settings file only when its size or its modification time, to
// the millisecond, changed since it last read it; two versions of the same
// size written within one tick of the file system's clock would look alike to
// a copy of the program holding the older one. So every version written here
// is given a time past the one before it (`after`).
void MarkNewer(const QString& fileName, qint64 after)
{
    if (after < 0 || ModifiedMs(fileName) > after) return;
    const qint64 ms = after + 1;
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(ms / 1000), long(ms % 1000) * 1000000}};
    ::utimensat(AT_FDCWD, QFile::encodeName(fileName).constData(), times, 0);
}

}  // namespace

QString SettingsStore::FilePath(const QString& app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app).fileName();
}

QString SettingsStore::Get(const QString& app, const QString& section, const QString& key,
                           const QString& defaultValue) noexcept
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

std::unique_ptr<SettingsLock> SettingsStore::Lock(const QString& app) noexcept
try {
    const QString fileName = FilePath(app);
    const bool joined = !lock_.expired();
    if (!joined) QDir().mkpath(QFileInfo(fileName).absolutePath());
    auto lock = std::make_unique<SettingsLock>(SettingsLock::Take(fileName, lock_));
    // What another copy wrote just before may look unchanged to this one's
    // cache (see MarkNewer): make it look changed to all.
    if (!joined && lock->held()) MarkNewer(fileName, ModifiedMs(fileName));
    return lock;
} catch (const std::exception&) {
    return nullptr;  // unlocked is still better than not counting at all
}

void SettingsStore::Save(const QString& app, const QString& section, const QString& key, const QString& value)
{
    const auto lock = Lock(app);
    const QString fileName = FilePath(app);
    qint64 before = ModifiedMs(fileName);
    {
        QFile file(fileName);
        if (file.exists()) {
            // What cannot even be read (no permission, a folder in its place)
            // is never replaced.
            if (!file.open(QIODevice::ReadOnly)) {
                const QFileInfo info(fileName);
                throw RuntimeError(info.isFile() && !info.isReadable() ? err::PermissionDenied : err::PathFileAccessError);
            }
            const QByteArray bytes = file.readAll();
            if (LooksDamaged(bytes)) {
                if (!KeepDamagedCopy(fileName, bytes)) throw RuntimeError(err::PathFileAccessError);
                QSaveFile sound(fileName);
                if (!sound.open(QIODevice::WriteOnly)) throw RuntimeError(err::PathFileAccessError);
                sound.write(SoundLines(bytes));
                if (!sound.commit()) throw RuntimeError(err::PathFileAccessError);
                MarkNewer(fileName, before);
                before = ModifiedMs(fileName);
            }
        }
    }
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
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
    MarkNewer(fileName, before);
    SyncFolder(QFileInfo(fileName).absolutePath());
}

}  // namespace lumari
