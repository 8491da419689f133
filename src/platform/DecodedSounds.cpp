#include "platform/DecodedSounds.h"

#include "platform/FileStamp.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

namespace lumari {
namespace {

DecodedSounds::Sound Decode(const QString& file)
{
    QFile device(file);
    if (!device.open(QIODevice::ReadOnly)) return nullptr;
    std::optional<WavSound> sound = ReadWav(device);
    return sound ? std::make_shared<const WavSound>(std::move(*sound)) : nullptr;
}

}  // namespace

DecodedSounds::DecodedSounds(Starter start, qsizetype maxBytes) : start_(std::move(start)), kept_(maxBytes)
{
    // One decoding at a time: the game's own pictures keep the other cores.
    pool_.setMaxThreadCount(1);
}

DecodedSounds::~DecodedSounds()
{
    pool_.clear();
    pool_.waitForDone();
}

void DecodedSounds::Ask(const QString& file)
{
    wanted_.clear();  // whatever waited for its decoding is not started now
    // Only a regular file: a pipe or device of that name would never end.
    if (!QFileInfo(file).isFile()) return;
    const QString key = file + u'|' + FileStamp(file);
    if (const Sound* kept = kept_.Find(key)) {
        start_(*kept);
        return;
    }
    wanted_ = key;
    if (decoding_.contains(key)) return;
    decoding_.insert(key);
    ++decodings_;
    pool_.start([this, file, key] {
        const Sound sound = Decode(file);
        QMetaObject::invokeMethod(&receiver_, [this, key, sound] { Decoded(key, sound); }, Qt::QueuedConnection);
    });
}

void DecodedSounds::Decoded(const QString& key, const Sound& sound)
{
    decoding_.remove(key);
    const bool wanted = wanted_ == key;
    if (wanted) wanted_.clear();
    if (!sound) return;  // no sound in that file: silence, and asked again it is read again
    kept_.Insert(key, sound, sound->samples.size());
    try {
        if (wanted) start_(sound);
    } catch (const RuntimeError&) {
        // The output could not be set up, and no caller is left to be told.
    }
}

}  // namespace lumari
