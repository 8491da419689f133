#include "SoundWaves.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <numbers>

namespace lumari::test {
namespace {

void Put16(QByteArray& b, quint16 v)
{
    b += char(v & 0xff);
    b += char(v >> 8);
}
void Put32(QByteArray& b, quint32 v)
{
    Put16(b, quint16(v & 0xffff));
    Put16(b, quint16(v >> 16));
}

}  // namespace

QByteArray ToneWav(double seconds, const std::function<double(double)>& envelope)
{
    const int frames = int(seconds * kSoundRate);
    QByteArray pcm;
    pcm.reserve(frames * 2);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / kSoundRate;
        Put16(pcm, quint16(qint16(std::lround(32767.0 * envelope(t) * std::sin(2 * std::numbers::pi * 440.0 * t)))));
    }
    QByteArray wav("RIFF");
    Put32(wav, quint32(36 + pcm.size()));
    wav += "WAVEfmt ";
    Put32(wav, 16);
    Put16(wav, 1);                // PCM
    Put16(wav, 1);                // mono
    Put32(wav, kSoundRate);
    Put32(wav, kSoundRate * 2);   // bytes per second
    Put16(wav, 2);                // bytes per frame
    Put16(wav, 16);               // bits per sample
    wav += "data";
    Put32(wav, quint32(pcm.size()));
    return wav + pcm;
}

QByteArray RampWav()
{
    return ToneWav(kRampSeconds, [](double t) { return 0.05 + 0.85 * t / kRampSeconds; });
}

QByteArray SteadyWav()
{
    return ToneWav(kSteadySeconds, [](double) { return kSteadyLevel; });
}

QByteArray BundledOkWav()
{
    // The source tree's data folder, found from this file's own place.
    const QString bundled = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../data/Sounds/ok.wav";
    QFile f(bundled);
    if (f.open(QIODevice::ReadOnly)) return f.readAll();
    return ToneWav(0.5, [](double t) { return t < 0.45 ? 0.6 : 0.0; });
}

QByteArray DamagedWav()
{
    // A WAV header whose format block is cut short, then noise.
    QByteArray wav = ToneWav(0.5, [](double) { return 0.8; });
    return wav.left(20) + QByteArray("\x07\x00garbage", 9) + wav.mid(400);
}

}  // namespace lumari::test
