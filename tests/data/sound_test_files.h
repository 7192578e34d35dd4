#pragma once
// The sound files the synthesizer writes and the lengths they were composed to.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace sound_test {

constexpr int kRate = 44100;
// Frames in `beats` beats at `bpm` beats a minute; every tempo used divides evenly.
constexpr size_t beatFrames(int beats, int bpm) { return static_cast<size_t>(beats) * kRate * 60 / bpm; }
constexpr size_t secondFrames(double seconds) { return static_cast<size_t>(seconds * kRate + 0.5); }

struct ExpectedSound {
    std::string name;
    size_t frames;
    bool looped;
};
inline void PrintTo(const ExpectedSound& sound, std::ostream* out) { *out << sound.name; }

inline std::vector<ExpectedSound> expectedSounds() {
    return {
        {"laser.wav", secondFrames(0.15), false},
        {"smallExplode.wav", secondFrames(0.8), false},
        {"bigExplode.wav", secondFrames(4.0), false},
        {"siren.wav", secondFrames(2.8), false},
        {"title.mp3", beatFrames(16 * 4, 75), true},           // 16 bars at 75 bpm
        {"background0.mp3", beatFrames(36 * 4, 140), true},    // 36 bars at 140 bpm
        {"gameover.mp3", beatFrames(8 * 4, 60), true},         // 8 bars at 60 bpm
        {"gamebeat.mp3", beatFrames(4 * 4, 126) + secondFrames(2.5), false},  // 4 bars and the ring-out
        {"playerExplode.mp3", secondFrames(3.5), false},
    };
}

inline std::string dataPath(const std::string& name) { return std::string(VELTRANE_DATA_DIR) + "/" + name; }

inline std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// RMS of interleaved stereo samples over the frames [from, to).
inline double rmsOf(const std::vector<int16_t>& samples, size_t from, size_t to) {
    to = std::min(to, samples.size() / 2);
    double sum = 0.0;
    for (size_t i = 2 * from; i < 2 * to; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<size_t>(1, 2 * (to - from)));
}

inline int peakOf(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

}  // namespace sound_test
