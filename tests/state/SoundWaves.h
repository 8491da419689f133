#pragma once

// The test sounds both halves of the real-audio tests agree on: 16-bit mono
// 440 Hz tones made by SoundTest.cpp and measured by SoundOnTheSinkTest.cpp.
namespace lumari::test {

constexpr int kSoundRate = 44100;
// A tone that climbs from 5 % to 90 % of full scale: a restart shows as a fall back to the quiet start.
constexpr double kRampSeconds = 3.0;
// A tone held at half of full scale.
constexpr double kSteadyLevel = 0.5;
constexpr double kSteadySeconds = 1.0;

}  // namespace lumari::test
