// The feedback sounds, synthesised sample by sample.
#include "make_assets.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

void putLe16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}

void putLe32(QByteArray &b, quint32 v)
{
    putLe16(b, quint16(v & 0xffff));
    putLe16(b, quint16(v >> 16));
}

// Scales to the wanted peak, fades both ends against clicks and packs the
// result as a 16-bit mono PCM WAVE file.
QByteArray toWav(Samples s, double peakDb, double fadeInS, double fadeOutS)
{
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    const double gain = peak > 0 ? std::pow(10.0, peakDb / 20.0) / peak : 0;
    const size_t n = s.size();
    const size_t fadeIn = size_t(fadeInS * kRate);
    const size_t fadeOut = size_t(fadeOutS * kRate);
    for (size_t i = 0; i < n; ++i) {
        double v = s[i] * gain;
        if (i < fadeIn)
            v *= 0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeIn));
        if (i + fadeOut >= n)
            v *= 0.5 - 0.5 * std::cos(kPi * double(n - 1 - i) / double(fadeOut));
        s[i] = v;
    }

    const quint32 dataBytes = quint32(n * 2);
    QByteArray b;
    b.append("RIFF");
    putLe32(b, 36 + dataBytes);
    b.append("WAVE");
    b.append("fmt ");
    putLe32(b, 16);          // size of the format chunk
    putLe16(b, 1);           // PCM
    putLe16(b, 1);           // mono
    putLe32(b, kRate);
    putLe32(b, kRate * 2);   // bytes per second
    putLe16(b, 2);           // bytes per frame
    putLe16(b, 16);          // bits per sample
    b.append("data");
    putLe32(b, dataBytes);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putLe16(b, quint16(qint16(q)));
    }
    return b;
}

// A struck, bell-like note: quick soft attack, exponential decay, a few
// partials that die away faster than the fundamental.
void addChimeNote(Samples &s, double startS, double freq, double decayS, double level)
{
    struct Partial { double ratio, amp, decayFactor; };
    static const Partial partials[] = {
        {1.0, 1.00, 1.00},
        {2.0, 0.32, 0.55},
        {3.0, 0.12, 0.35},
        {4.16, 0.05, 0.20},   // slightly inharmonic shimmer
    };
    const size_t start = size_t(startS * kRate);
    for (size_t i = start; i < s.size(); ++i) {
        const double t = double(i - start) / kRate;
        const double attack = 1.0 - std::exp(-t / 0.004);
        double v = 0;
        for (const Partial &p : partials)
            v += p.amp * std::exp(-t / (decayS * p.decayFactor)) * std::sin(2 * kPi * freq * p.ratio * t);
        s[i] += level * attack * v;
    }
}

QByteArray makeOk()
{
    Samples s(size_t(0.55 * kRate), 0.0);
    // C6, E6, G6: a rising major triad reads as "well done".
    addChimeNote(s, 0.00, 1046.50, 0.14, 0.80);
    addChimeNote(s, 0.09, 1318.51, 0.14, 0.85);
    addChimeNote(s, 0.18, 1567.98, 0.22, 1.00);
    return toWav(std::move(s), -3.0, 0.002, 0.04);
}

// A low note with a rounded square wave; the pitch may sag towards the end.
void addBuzzNote(Samples &s, double startS, double lengthS, double freq, double sag)
{
    const size_t start = size_t(startS * kRate);
    const size_t len = size_t(lengthS * kRate);
    double phase = 0;
    double low = 0;                    // one-pole low-pass state, takes the edge off
    const double lowCoeff = 1.0 - std::exp(-2 * kPi * 2200.0 / kRate);
    for (size_t k = 0; k < len && start + k < s.size(); ++k) {
        const double t = double(k) / kRate;
        const double f = freq * (1.0 - sag * (t / lengthS) * (t / lengthS));
        phase += 2 * kPi * f / kRate;
        const double wave = std::tanh(3.0 * std::sin(phase)) / std::tanh(3.0)
                          + 0.25 * std::sin(2 * phase);
        const double attack = 1.0 - std::exp(-t / 0.006);
        const double release = std::min(1.0, (lengthS - t) / 0.03);
        const double env = attack * std::exp(-t / 0.45) * std::max(0.0, release);
        low += lowCoeff * (wave * env - low);
        s[start + k] += low;
    }
}

QByteArray makeError()
{
    Samples s(size_t(0.50 * kRate), 0.0);
    // Two falling low notes, E3 then C3 sagging a little: a clear "no".
    addBuzzNote(s, 0.00, 0.18, 164.81, 0.0);
    addBuzzNote(s, 0.20, 0.30, 130.81, 0.08);
    return toWav(std::move(s), -3.0, 0.003, 0.04);
}

// For a right answer given with a prompt: one soft, low bell note, calmer
// and shorter than the triad kept for an answer given alone. In a folder of
// its own, so the options window does not offer it as an answer's sound.
QByteArray makePrompted()
{
    Samples s(size_t(0.35 * kRate), 0.0);
    addChimeNote(s, 0.00, 659.25, 0.12, 1.00);  // E5
    return toWav(std::move(s), -9.0, 0.004, 0.06);
}

} // namespace

bool writeSounds(Output &out)
{
    return out.writeBytes("data/Sounds/ok.wav", makeOk())
        && out.writeBytes("data/Sounds/error.wav", makeError())
        && out.writeBytes("data/Sounds/Prompt/prompted.wav", makePrompted());
}

} // namespace assets
