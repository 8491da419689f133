#include "platform/WavFile.h"

#include <QIODevice>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace lumari {
namespace {

// libsndfile reads through the device, so a file is never held whole in memory.
QIODevice& Device(void* data) { return *static_cast<QIODevice*>(data); }

SF_VIRTUAL_IO DeviceIo()
{
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* d) -> sf_count_t { return Device(d).size(); };
    io.seek = [](sf_count_t offset, int whence, void* d) -> sf_count_t {
        QIODevice& device = Device(d);
        const sf_count_t base = whence == SEEK_CUR ? device.pos() : whence == SEEK_END ? device.size() : 0;
        if (base + offset < 0 || !device.seek(base + offset)) return -1;
        return device.pos();
    };
    io.read = [](void* ptr, sf_count_t count, void* d) -> sf_count_t {
        return std::max<qint64>(0, Device(d).read(static_cast<char*>(ptr), count));
    };
    io.write = [](const void*, sf_count_t, void*) -> sf_count_t { return 0; };
    io.tell = [](void* d) -> sf_count_t { return Device(d).pos(); };
    return io;
}

constexpr sf_count_t kBlockFrames = 4096;  // frames decoded at a time

}  // namespace

std::optional<WavSound> ReadWav(QIODevice& device)
{
    // RIFF, not its big-endian cousin RIFX that libsndfile also calls WAV.
    if (!device.isReadable() || !device.peek(4).startsWith("RIFF")) return std::nullopt;
    SF_VIRTUAL_IO io = DeviceIo();
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open_virtual(&io, SFM_READ, &info, &device), sf_close);
    if (!file) return std::nullopt;
    const int container = info.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) return std::nullopt;
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000)
        return std::nullopt;
    WavSound sound;
    sound.format.setSampleFormat(QAudioFormat::Int16);
    sound.format.setChannelCount(info.channels);
    sound.format.setSampleRate(info.samplerate);
    const sf_count_t maxFrames = kMaxWavSamples / info.channels;
    // Read as floats of full scale 1 whatever the encoding (libsndfile gives
    // float files to a 16-bit read unscaled), then made 16-bit here, clipped.
    // Grown block by block: the length a damaged header claims is not trusted.
    std::vector<float> block(std::size_t(kBlockFrames * info.channels));
    for (sf_count_t frames = 0; frames < maxFrames;) {
        const sf_count_t got = sf_readf_float(file.get(), block.data(), std::min(kBlockFrames, maxFrames - frames));
        if (got <= 0) break;
        const qsizetype done = sound.samples.size();
        sound.samples.resize(done + qsizetype(got * info.channels * 2));
        auto* out = reinterpret_cast<qint16*>(sound.samples.data() + done);
        for (sf_count_t i = 0; i < got * info.channels; ++i) {
            const float v = std::isnan(block[std::size_t(i)]) ? 0.0f : std::clamp(block[std::size_t(i)], -1.0f, 1.0f);
            out[i] = qint16(std::min(32767L, std::lrint(v * 32768.0f)));
        }
        frames += got;
    }
    if (sound.samples.isEmpty()) return std::nullopt;
    sound.samples.squeeze();  // the growth's slack is not kept while the sound plays
    return sound;
}

}  // namespace lumari
