#pragma once

#include "sets/WordRecordings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAudioSource;
class QIODevice;

namespace lumari {

// Where a recorded word's samples come from: the default audio input, or in
// a test, samples handed over by the test.
class SoundInput {
public:
    using Take = std::function<void(const QByteArray& pcm16)>;
    virtual ~SoundInput() = default;
    // Starts capturing 16-bit PCM, channels interleaved, handing each piece
    // to take on this thread as it comes. "" once started, else why it cannot.
    virtual QString Start(Take take) = 0;
    virtual void Stop() = 0;
    virtual int channels() const = 0;
    virtual int sampleRate() const = 0;
};

// The desktop's default audio input through Qt Multimedia.
class MicrophoneInput : public SoundInput {
public:
    MicrophoneInput();
    ~MicrophoneInput() override;
    QString Start(Take take) override;
    void Stop() override;
    int channels() const override { return channels_; }
    int sampleRate() const override { return sampleRate_; }

private:
    std::unique_ptr<QIODevice> catcher_;  // where the source writes: destroyed after it
    std::unique_ptr<QAudioSource> source_;
    int channels_ = 1;
    int sampleRate_ = 0;
};

// Records one word at a time into memory: what the input gives, kept until
// Stop, or until it holds the longest recording kept, when it stops by
// itself. Its length is counted in samples, not read from a clock.
class WordRecorder : public QObject {
    Q_OBJECT
public:
    explicit WordRecorder(SoundInput& input, QObject* parent = nullptr);
    ~WordRecorder() override;

    // "" once recording, else why not (no microphone).
    QString Start();
    // Ends the recording: finished tells what was heard.
    void Stop();
    bool recording() const { return recording_; }
    int elapsedMs() const;

signals:
    // Each time another whole second has been heard.
    void progressed(int elapsedMs);
    // The word as heard, in mono, untrimmed.
    void finished(const lumari::Recording& recording);

private:
    void Take(const QByteArray& pcm16);

    SoundInput& input_;
    QByteArray heard_;
    bool recording_ = false;
};

}  // namespace lumari
