#include "PlainGame.h"

#include "game/Answer.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "platform/PathResolver.h"
#include "platform/WavFile.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

namespace lumari::bench {

PlainGame::PlainGame(const Services& services, GameOptions options, QSize imageBox, QSize symbolBox)
    : services_(services), options_(std::move(options)), imageBox_(imageBox), symbolBox_(symbolBox)
{
}

ShownRound PlainGame::Start()
{
    CaricaImmagini(services_, options_, game_.images);
    tally_.SessionShown = 0;
    tally_.SessionCorrect = 0;
    CaricaSimboli(services_, options_, game_.symbols);
    ControllaCoerenza(services_, game_.images, game_.symbols);
    return Next();
}

ShownRound PlainGame::Answer(int position)
{
    if (Simbolo_Click(services_, options_, tally_, game_.round, position).right) return Next();
    return {};
}

ShownRound PlainGame::Next()
{
    return Cambia(services_, options_, tally_, game_, [this](const RoundPicture& picture, const QString& path) {
        const QSize box = picture.symbol() ? symbolBox_ : imageBox_;
        return services_.pictures.Load(path).scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
}

struct PlainSound::Output {
    QByteArray samples;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;
};

PlainSound::PlainSound() : output_(std::make_unique<Output>()) {}

PlainSound::~PlainSound() = default;

void PlainSound::Play(const QString& path)
{
    output_ = std::make_unique<Output>();  // the sound playing stops
    QFile file(ResolvePath(path));
    if (!file.open(QIODevice::ReadOnly)) return;
    std::optional<WavSound> sound = ReadWav(file);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!sound || device.isNull()) return;
    output_->samples = std::move(sound->samples);
    output_->buffer.setData(output_->samples);
    output_->buffer.open(QIODevice::ReadOnly);
    output_->sink = std::make_unique<QAudioSink>(device, sound->format);
    output_->sink->start(&output_->buffer);
}

}  // namespace lumari::bench
