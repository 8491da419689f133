#include "platform/WavePlayer.h"

#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/WavFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

#include <exception>

namespace lumari {

WavePlayer::WavePlayer() = default;

WavePlayer::~WavePlayer() { Stop(); }

void WavePlayer::Stop()
{
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
    samples_.clear();
}

void WavePlayer::Play(const QString& path)
{
    const QString resolvedPath = ResolvePath(path);
    // Whatever comes next, the sound still playing ends here.
    Stop();
    // Only a regular file: a pipe or device of that name would never end.
    if (!QFileInfo(resolvedPath).isFile()) return;
    QFile file(resolvedPath);
    if (!file.open(QIODevice::ReadOnly)) return;
    std::optional<WavSound> sound = ReadWav(file);
    if (!sound) return;

    try {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull()) return;  // no audio output on this machine
        samples_ = std::move(sound->samples);
        buffer_ = std::make_unique<QBuffer>(&samples_);
        buffer_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(output, sound->format);
        sink_->start(buffer_.get());
    } catch (const std::exception&) {
        Stop();
        throw RuntimeError(err::DllLoadError);
    }
}

}  // namespace lumari
