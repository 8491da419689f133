#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

namespace lumari {

QString FileStamp(const QString& file)
{
    // The change time moves with every write and every change of the
    // modification time, and with a rename over the file.
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0) return QString();
    return QStringLiteral("%1|%2|%3.%4")
        .arg(qulonglong(st.st_ino))
        .arg(qlonglong(st.st_size))
        .arg(qlonglong(st.st_ctim.tv_sec))
        .arg(qlonglong(st.st_ctim.tv_nsec));
}

}  // namespace lumari
