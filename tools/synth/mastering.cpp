#include "mastering.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this share of the ceiling the limiter leaves samples untouched.
constexpr float kKneeShare = 0.7f;
constexpr int kLevelPasses = 4;

float softLimit(float sample, float ceiling) {
    const float knee = ceiling * kKneeShare;
    const float magnitude = std::fabs(sample);
    if (magnitude <= knee) return sample;
    const float room = ceiling - knee;
    const float limited = knee + room * std::tanh((magnitude - knee) / room);
    return std::copysign(limited, sample);
}

void applyGain(StereoBuffer& buffer, float gain) {
    for (size_t i = 0; i < buffer.frames(); ++i) {
        buffer.left[i] *= gain;
        buffer.right[i] *= gain;
    }
}

// RMS the buffer would have after the gain and the limiter, without changing it.
float limitedRms(const StereoBuffer& buffer, float gain, float ceiling) {
    double sum = 0.0;
    for (size_t i = 0; i < buffer.frames(); ++i) {
        const double left = softLimit(buffer.left[i] * gain, ceiling);
        const double right = softLimit(buffer.right[i] * gain, ceiling);
        sum += left * left + right * right;
    }
    return static_cast<float>(std::sqrt(sum / (2.0 * buffer.frames())));
}

}  // namespace

float decibelsToGain(float decibels) { return std::pow(10.0f, decibels / 20.0f); }

float peakOf(const StereoBuffer& buffer) {
    float peak = 0.0f;
    for (size_t i = 0; i < buffer.frames(); ++i) peak = std::max({peak, std::fabs(buffer.left[i]), std::fabs(buffer.right[i])});
    return peak;
}

float rmsOf(const StereoBuffer& buffer) {
    double sum = 0.0;
    for (size_t i = 0; i < buffer.frames(); ++i) sum += double(buffer.left[i]) * buffer.left[i] + double(buffer.right[i]) * buffer.right[i];
    return buffer.frames() == 0 ? 0.0f : static_cast<float>(std::sqrt(sum / (2.0 * buffer.frames())));
}

void normalizePeak(StereoBuffer& buffer, float ceilingDb) {
    const float peak = peakOf(buffer);
    if (peak > 0.0f) applyGain(buffer, decibelsToGain(ceilingDb) / peak);
}

void masterToLevel(StereoBuffer& buffer, float targetRmsDb, float ceilingDb) {
    const float ceiling = decibelsToGain(ceilingDb);
    const float target = decibelsToGain(targetRmsDb);
    const float dryRms = rmsOf(buffer);
    if (dryRms <= 0.0f) return;
    // Limiting lowers the RMS a little, so the gain is refined over a few trial passes.
    float gain = target / dryRms;
    for (int pass = 0; pass < kLevelPasses; ++pass) gain *= target / limitedRms(buffer, gain, ceiling);
    applyGain(buffer, gain);
    for (size_t i = 0; i < buffer.frames(); ++i) {
        buffer.left[i] = softLimit(buffer.left[i], ceiling);
        buffer.right[i] = softLimit(buffer.right[i], ceiling);
    }
}

void fadeEdges(StereoBuffer& buffer, double fadeInSeconds, double fadeOutSeconds) {
    const size_t frames = buffer.frames();
    const size_t fadeIn = std::min(frames, secondsToFrames(fadeInSeconds));
    const size_t fadeOut = std::min(frames, secondsToFrames(fadeOutSeconds));
    for (size_t i = 0; i < fadeIn; ++i) {
        const float gain = static_cast<float>(i) / fadeIn;
        buffer.left[i] *= gain;
        buffer.right[i] *= gain;
    }
    for (size_t i = 0; i < fadeOut; ++i) {
        const float gain = static_cast<float>(i) / fadeOut;
        buffer.left[frames - 1 - i] *= gain;
        buffer.right[frames - 1 - i] *= gain;
    }
}
