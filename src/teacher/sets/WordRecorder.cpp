#include "teacher/sets/WordRecorder.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QCoreApplication>
#include <QMediaDevices>

#include <algorithm>

namespace lumari {
namespace {

// Where the audio input writes what it hears: each piece handed on as it comes.
// (Read from the input instead, Qt 6.4's PulseAudio input gives nothing.)
class Catcher : public QIODevice {
public:
    explicit Catcher(SoundInput::Take take) : take_(std::move(take)) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        take_(QByteArray(data, qsizetype(size)));
        return size;
    }

private:
    SoundInput::Take take_;
};

}  // namespace

MicrophoneInput::MicrophoneInput() = default;
MicrophoneInput::~MicrophoneInput()
{
    if (source_) source_->stop();
}

QString MicrophoneInput::Start(Take take)
{
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) return QCoreApplication::translate("WordRecorder", "No microphone was found: plug one in, or choose one in the desktop's sound settings.");
    // The microphone's own rate and channels, in the 16-bit samples a recording keeps.
    QAudioFormat format = device.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        format.setSampleRate(44100);
        format.setChannelCount(1);
    }
    channels_ = format.channelCount();
    sampleRate_ = format.sampleRate();
    source_ = std::make_unique<QAudioSource>(device, format);
    catcher_ = std::make_unique<Catcher>(std::move(take));
    source_->start(catcher_.get());
    if (source_->error() != QAudio::NoError) {
        Stop();
        return QCoreApplication::translate("WordRecorder", "The microphone “%1” could not be opened.").arg(device.description());
    }
    return {};
}

void MicrophoneInput::Stop()
{
    if (!source_) return;
    source_->stop();
    // Stopped from a piece it has just handed over: both go once that is done.
    source_.release()->deleteLater();
    catcher_.release()->deleteLater();
}

WordRecorder::WordRecorder(SoundInput& input, QObject* parent) : QObject(parent), input_(input) {}

WordRecorder::~WordRecorder()
{
    if (recording_) input_.Stop();
}

QString WordRecorder::Start()
{
    if (recording_) return {};
    heard_.clear();
    const QString why = input_.Start([this](const QByteArray& pcm16) { Take(pcm16); });
    recording_ = why.isEmpty();
    return why;
}

int WordRecorder::elapsedMs() const
{
    const qint64 frameBytes = qint64(sizeof(qint16)) * std::max(input_.channels(), 1);
    return input_.sampleRate() > 0 ? int(heard_.size() / frameBytes * 1000 / input_.sampleRate()) : 0;
}

void WordRecorder::Take(const QByteArray& pcm16)
{
    if (!recording_) return;
    const int before = elapsedMs() / 1000;
    heard_ += pcm16;
    const qint64 longest = qint64(input_.sampleRate()) * kLongestRecordingMs / 1000 * std::max(input_.channels(), 1) * qint64(sizeof(qint16));
    if (heard_.size() >= longest) {
        heard_.truncate(longest);
        return Stop();
    }
    if (elapsedMs() / 1000 != before) emit progressed(elapsedMs());
}

void WordRecorder::Stop()
{
    if (!recording_) return;
    recording_ = false;
    input_.Stop();
    const Recording heard = MonoOf(heard_, input_.channels(), input_.sampleRate());
    heard_.clear();
    emit finished(heard);
}

}  // namespace lumari
