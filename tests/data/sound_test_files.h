#pragma once
// The sound files the synthesizer writes and the lengths they were composed to.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "image_test_files.h"

namespace sound_test {

using image_test::dataPath;

constexpr int kRate = 44100;
// Frames in `beats` beats at `bpm` beats a minute; every tempo used divides evenly.
constexpr size_t beatFrames(int beats, int bpm) { return static_cast<size_t>(beats) * kRate * 60 / bpm; }
constexpr size_t secondFrames(double seconds) { return static_cast<size_t>(seconds * kRate + 0.5); }

struct ExpectedSound { std::string name; size_t frames; bool looped; };

inline std::vector<ExpectedSound> expectedSounds() {
    // The music in bars of four beats at its tempo; the beat's four bars ring out for 2.5 s.
    return {{"laser.wav", secondFrames(0.15), false},       {"smallExplode.wav", secondFrames(0.8), false},
            {"bigExplode.wav", secondFrames(4.0), false},   {"siren.wav", secondFrames(2.8), false},
            {"title.mp3", beatFrames(16 * 4, 75), true},    {"background0.mp3", beatFrames(36 * 4, 140), true},
            {"gameover.mp3", beatFrames(8 * 4, 60), true},  {"gamebeat.mp3", beatFrames(4 * 4, 126) + secondFrames(2.5), false},
            {"playerExplode.mp3", secondFrames(3.5), false}};
}

// RMS of interleaved stereo samples over the frames [from, to), and the largest magnitude of all.
inline double rmsOf(const std::vector<int16_t>& samples, size_t from, size_t to) {
    to = std::min(to, samples.size() / 2);
    double sum = 0.0;
    for (size_t i = 2 * from; i < 2 * to; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<size_t>(1, 2 * (to - from)));
}
inline int peakOf(const std::vector<int16_t>& samples) {
    return samples.empty() ? 0 : std::abs(int(*std::max_element(samples.begin(), samples.end(), [](int16_t a, int16_t b) { return std::abs(int(a)) < std::abs(int(b)); })));
}

}  // namespace sound_test
