#include "platform/QtPictures.h"

#include "platform/PathResolver.h"
#include "platform/PictureLoader.h"

#include <QDate>
#include <QLocale>

namespace lumari {

QImage QtPictures::Load(const QString& path, const QSize& shownSize) const
{
    return DecodePicture(ResolvePath(path), shownSize);
}

QString QtClock::Today() const noexcept { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace lumari
