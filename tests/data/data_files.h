#pragma once
// The generated sounds and the lengths they were composed to, and any data file's bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

inline std::string dataPath(const std::string& name) { return VELTRANE_DATA_DIR "/" + name; }

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
