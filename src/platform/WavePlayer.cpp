#include "platform/WavePlayer.h"

#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include <exception>

namespace lumari {

WavePlayer::WavePlayer() : sounds_([this](const DecodedSounds::Sound& sound) { Start(sound); }) {}

WavePlayer::~WavePlayer() { Stop(); }

void WavePlayer::Stop()
{
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.close();
    buffer_.setData(QByteArray());
    playing_.reset();
}

void WavePlayer::Play(const QString& path)
{
    // Whatever comes next, the sound still playing ends here.
    Stop();
    sounds_.Ask(ResolvePath(path));
}

void WavePlayer::Start(const DecodedSounds::Sound& sound)
{
    Stop();
    try {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull()) return;  // no audio output on this machine
        playing_ = sound;
        buffer_.setData(playing_->samples);  // shares the samples
        buffer_.open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(output, playing_->format);
        sink_->start(&buffer_);
    } catch (const std::exception&) {
        Stop();
        throw RuntimeError(err::DllLoadError);
    }
}

}  // namespace lumari
