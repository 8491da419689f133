#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lumari {

// Largest decoded picture accepted, in megabytes: a header claiming more is
// refused as a bad picture instead of exhausting memory.
constexpr int kPictureAllocationLimitMb = 256;

// Decodes a picture file (format taken from its content, EXIF orientation
// applied). With a shown size, decodes straight at that size so a large photo
// never exists at full resolution. Errors: 53 missing, 70 unreadable,
// 75 a folder, 481 not a picture this program can decode. Safe to call from
// several threads at once.
QImage DecodePicture(const QString& path, const QSize& shownSize = QSize());

}  // namespace lumari
