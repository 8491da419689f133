#pragma once

#include <QString>
#include <QStringList>

namespace lumari::bench {

// What making the sets took, told in the table's heading.
struct SetsMade {
    int distinctPhotos = 0;
    double averageBytes = 0;
    double seconds = 0;
    bool linked = false;  // names are hard links to the distinct photos
};

// How a generated photo's detail looks to a JPEG coder.
enum class PhotoLook {
    // Strong coloured sensor noise on every pixel, as an untouched high-ISO
    // shot: about 5 MB (3.4 bits per pixel).
    Grainy,
    // Textured regions (foliage, fabric, gravel) beside smooth sky and walls,
    // with the light grain a phone's noise reduction leaves: about 3 MB
    // (2.1 bits per pixel), as a 12-megapixel phone photo of 2 to 4 MB.
    Phone,
};

// Photo-like 4000 x 3000 JPEGs of quality 92: gradients, overlapping soft
// shapes, fine strokes and sensor noise.
void WritePhoto(const QString& path, int seed, PhotoLook look = PhotoLook::Grainy);

// Writes `count` distinct photos into `folder` (in parallel) and returns their paths.
QStringList WritePhotos(const QString& folder, int count, SetsMade& made, PhotoLook look = PhotoLook::Grainy);

// The set folder "Set_<name>" in appFolder with Images and Symbols holding
// `images` and `symbols` names, each a hard link (or, where links fail, a
// copy) of one of the photos in turn.
void MakePhotoSet(const QString& appFolder, const QString& name, int images, int symbols, const QStringList& photos,
                  SetsMade& made);

// A WAV file of a soft tone: 16-bit PCM of `seconds` at a rate, 1 or 2 channels.
void WriteTone(const QString& path, int seconds, int rate, int channels);

}  // namespace lumari::bench
