#pragma once

#include "platform/Failure.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace lumari {

// The sizes a set's pictures are stored at: twice the game's boxes
// (600 × 300 and 201 × 201), so both stay sharp at 200 % scaling.
inline constexpr QSize kStoredImageSize(1200, 600);
inline constexpr QSize kStoredSymbolSize(600, 600);

// Pictures larger than this are refused before they are decoded.
constexpr qint64 kMaxPicturePixels = 100'000'000;
constexpr int kMaxPictureSide = 30'000;

// How a picture goes into its box: whole and centred on white, or
// centre-cropped so that it fills the box ("Fill the box").
enum class Fit { Whole, Fill };

// Why a set or a picture of it could not be changed, worded for the adult
// ("not a picture", "damaged picture", …).
using SetError = Failure;

// Reads a picture file of any format Qt reads, upright by its EXIF
// orientation, decoded no larger than the box needs, and returns it at
// exactly the box's size. A header over 100 megapixels or 30,000 pixels a
// side is refused before decoding. Throws SetError. Thread-safe.
QImage PreparePicture(const QString& path, QSize box, Fit fit);

// A decoded picture put into a box of white: fitted whole and centred, or
// centre-cropped. A fresh image: nothing of the original's metadata.
QImage PutInBox(const QImage& picture, QSize box, Fit fit);

// Writes a picture as a JPEG of quality 90 with no metadata, under a hidden
// temporary name beside the target and then renamed over it, so a reader
// (the game) never sees half a file. Throws SetError. Thread-safe.
void StoreJpeg(const QImage& picture, const QString& target);

}  // namespace lumari
