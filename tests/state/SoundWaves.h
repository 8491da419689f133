#pragma once

// Test sounds made by the tests themselves, and what the player was asked to
// do in each case of the real-audio tests.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace lumari::test {

constexpr int kSoundRate = 44100;

// A 16-bit mono PCM WAV file of a 440 Hz tone whose amplitude (0 to 1 of full
// scale) follows the envelope over the given length.
QByteArray ToneWav(double seconds, const std::function<double(double t)>& envelope);

// A tone that climbs from 5 % to 90 % of full scale over 3 s: a restart shows
// as a fall back to the quiet start.
QByteArray RampWav();
constexpr double kRampSeconds = 3.0;
// A tone held at half of full scale for 1 s.
QByteArray SteadyWav();
constexpr double kSteadyLevel = 0.5;
constexpr double kSteadySeconds = 1.0;

// The program's own right-answer sound, or a tone of the same kind while the
// bundled one is not there.
QByteArray BundledOkWav();

// Files that exist but hold no playable sound.
QByteArray DamagedWav();

}  // namespace lumari::test
