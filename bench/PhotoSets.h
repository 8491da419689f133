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

// Photo-like 4000 x 3000 JPEGs: gradients, overlapping soft shapes and sensor
// noise, so that they compress as camera pictures do (3 to 5 MB).
void WritePhoto(const QString& path, int seed);

// Writes `count` distinct photos into `folder` (in parallel) and returns their paths.
QStringList WritePhotos(const QString& folder, int count, SetsMade& made);

// The set folder "Set_<name>" in appFolder with Images and Symbols holding
// `images` and `symbols` names, each a hard link (or, where links fail, a
// copy) of one of the photos in turn.
void MakePhotoSet(const QString& appFolder, const QString& name, int images, int symbols, const QStringList& photos,
                  SetsMade& made);

// A WAV file of a soft tone: 16-bit PCM of `seconds` at a rate, 1 or 2 channels.
void WriteTone(const QString& path, int seconds, int rate, int channels);

}  // namespace lumari::bench
