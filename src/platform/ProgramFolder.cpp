#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace lumari {
namespace {

namespace fs = std::filesystem;

// The bundled folders an installed copy gives each user, each once. The
// prompted bell's folder came after Sounds: a user given Sounds before it gets
// it on its own.
const QStringList kBundled = {QStringLiteral("Set_default"), QStringLiteral("Sounds"), QStringLiteral("Sounds/Prompt")};
// Hidden, so the program's own listings never show it.
const QString kGivenList = QStringLiteral(".bundled");

fs::path Native(const QString& path) { return fs::path(QFile::encodeName(path).toStdString()); }

QString Reason(const std::error_code& ec) { return QString::fromLocal8Bit(ec.message()); }

// Files copied from a read-only system folder become the user's to change
// (and a half-made copy the program's to remove). Each folder is opened to its
// owner before the walk descends into it.
void OpenToOwner(const fs::path& folder)
{
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
    for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const bool isFolder = it->is_directory(ec);
        fs::permissions(it->path(), isFolder ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, ec);
    }
}

// Copies a folder under a temporary name and renames it into place, so a
// copy that fails half-way leaves nothing behind. Returns the failure's reason.
QString CopyFolder(const QString& from, const QString& to)
{
    const fs::path target = Native(to);
    const fs::path partial = Native(to + QStringLiteral(".partial-") + QString::number(::getpid()));
    std::error_code ec;
    fs::copy(Native(from), partial, fs::copy_options::recursive, ec);
    OpenToOwner(partial);
    if (!ec) {
        fs::rename(partial, target, ec);
        // Another copy of the program starting at the same moment got there first.
        if (ec && fs::is_directory(target)) ec.clear();
    }
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    return ec ? Reason(ec) : QString();
}

}  // namespace

ProgramFolder FindProgramFolder(const QString& executableFolder, const QString& dataHome)
{
    if (QFileInfo(executableFolder + QStringLiteral("/Set_default")).isDir()) return {executableFolder, {}};
    const QString bundle = QDir::cleanPath(executableFolder + QStringLiteral("/../share/lumari"));
    if (!QFileInfo(bundle).isDir()) return {executableFolder, {}};

    const QString folder = QDir::cleanPath(dataHome + QStringLiteral("/lumari"));
    std::error_code ec;
    fs::create_directories(Native(folder), ec);
    if (ec || !QFileInfo(folder).isDir()) {
        // Playing with the bundled set still works; nothing can be written.
        return {bundle, QStringLiteral("Lumari ! could not make its folder\n%1\n(%2).\n\n"
                                       "It runs from %3 this time; new sets and the check log cannot be saved.")
                            .arg(QDir::toNativeSeparators(folder), ec ? Reason(ec) : QStringLiteral("not a folder"),
                                 QDir::toNativeSeparators(bundle))};
    }

    QFile listFile(folder + u'/' + kGivenList);
    QStringList given;
    if (listFile.open(QIODevice::ReadOnly | QIODevice::Text))
        given = QString::fromUtf8(listFile.readAll()).split(u'\n', Qt::SkipEmptyParts);
    listFile.close();

    QStringList failures;
    const QStringList before = given;
    for (const QString& name : kBundled) {
        if (given.contains(name)) continue;
        const QString target = folder + u'/' + name;
        // A folder of that name the user made before is theirs: kept as it is; so
        // is the lack of one inside a folder the user deleted.
        if (!QFileInfo::exists(target) && QFileInfo(target).dir().exists()) {
            const QString reason = CopyFolder(bundle + u'/' + name, target);
            if (!reason.isEmpty()) {
                failures << QStringLiteral("%1 (from %2): %3").arg(name, QDir::toNativeSeparators(bundle + u'/' + name), reason);
                continue;
            }
        }
        given << name;
    }
    if (given != before) {
        QSaveFile out(folder + u'/' + kGivenList);
        if (!out.open(QIODevice::WriteOnly) || out.write((given.join(u'\n') + u'\n').toUtf8()) < 0 || !out.commit())
            failures << QStringLiteral("%1 (the list of folders already copied): %2").arg(kGivenList, out.errorString());
    }
    if (failures.isEmpty()) return {folder, {}};
    return {folder, QStringLiteral("Lumari ! could not copy some of its bundled files into\n%1\n\n%2\n\n"
                                   "Nothing there was overwritten or removed. The copy is tried again at the next start.")
                        .arg(QDir::toNativeSeparators(folder), failures.join(u'\n'))};
}

}  // namespace lumari
