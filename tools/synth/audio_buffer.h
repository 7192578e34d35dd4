#pragma once
#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

using MonoBuffer = std::vector<float>;

// Two channels of float samples at kSampleRate, nominally within [-1, 1].
struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    StereoBuffer() = default;
    explicit StereoBuffer(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t frames() const { return left.size(); }
};

// Adds a mono voice at `startFrame` with constant-power panning (pan -1 left .. +1 right).
// When `wrap` is set the voice continues from the beginning of the buffer once it
// runs past the end, which is how a looped track lets its last notes ring into its start.
void mixInto(StereoBuffer& out, const MonoBuffer& voice, size_t startFrame, float gain, float pan, bool wrap);
// Adds `source` into `out` sample by sample, scaled by `gain`; sizes must match.
void addBuffer(StereoBuffer& out, const StereoBuffer& source, float gain);
size_t secondsToFrames(double seconds);
