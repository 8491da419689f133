#include "platform/QtFiles.h"

#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace lumari {

QtFiles::QtFiles(QString programFolder) : appPath_(std::move(programFolder))
{
    while (appPath_.size() > 1 && appPath_.endsWith(u'/')) appPath_.chop(1);
}

QString QtFiles::Dir(const QString& pattern, int attributes) { return listing_.First(pattern, attributes); }

QString QtFiles::DirNext() { return listing_.Next(); }

int QtFiles::GetAttr(const QString& path)
{
    const QFileInfo info(ResolvePath(path));
    if (!info.exists()) throw RuntimeError(err::FileNotFound);
    int bits = 0;
    if (info.isDir()) bits |= attr::Directory;
    if (!info.isWritable()) bits |= attr::ReadOnly;
    if (info.fileName().startsWith(u'.')) bits |= attr::Hidden;
    return bits;
}

void QtFiles::CreateFolder(const QString& path)
{
    const QString resolved = ResolvePath(path);
    // An existing entry of the same name in any letter case counts as existing.
    if (QFileInfo::exists(resolved)) throw RuntimeError(err::FileAlreadyExists);
    if (::mkdir(QFile::encodeName(resolved).constData(), 0777) != 0) throw ErrorFromErrno(errno);
}

}  // namespace lumari
