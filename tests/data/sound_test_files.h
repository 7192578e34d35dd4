#pragma once
// The sound files the synthesizer writes, the lengths they were composed to,
// and a decoder that reads them the way the game does: through SDL2_mixer.
#include <cstddef>
#include <cstdint>
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

inline std::vector<ExpectedSound> loopedSounds() {
    std::vector<ExpectedSound> looped;
    for (const ExpectedSound& sound : expectedSounds())
        if (sound.looped) looped.push_back(sound);
    return looped;
}

// Lets GoogleTest name a sound by its file in messages.
inline void PrintTo(const ExpectedSound& sound, std::ostream* out) { *out << sound.name; }

inline std::string dataPath(const std::string& name) { return std::string(VELTRANE_DATA_DIR) + "/" + name; }

inline std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Interleaved stereo, 16-bit, at kRate, as SDL2_mixer hands it to the device.
struct DecodedSound {
    bool loaded = false;
    std::vector<int16_t> samples;
    size_t frames() const { return samples.size() / 2; }
};

}  // namespace sound_test
