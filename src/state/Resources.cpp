#include "state/Resources.h"

namespace lumari {

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/lumari-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/lumari-32.png"), QSize(32, 32));
    return icon;
}

QPixmap ProgramIconPixmap32() { return QPixmap(QStringLiteral(":/lumari-32.png")); }

QIcon SoundFileIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/soundfile-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/soundfile-32.png"), QSize(32, 32));
    return icon;
}

QCursor HandCursor() { return QCursor(QPixmap(QStringLiteral(":/hand.png")), 13, 4); }

}  // namespace lumari
