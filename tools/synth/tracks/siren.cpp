// Battle stations: three rising whoops of a klaxon, echoing down the corridors.
#include "tracks.h"

#include "../echo.h"
#include "../filter.h"
#include "../mastering.h"
#include "../oscillators.h"
#include "../reverb.h"

#include <cmath>

namespace {

constexpr int kWhoops = 3;
constexpr double kWhoopSeconds = 0.8;
constexpr double kTailSeconds = 0.4;
constexpr double kLowHz = 380.0;
constexpr double kHighHz = 950.0;
constexpr double kRiseShare = 0.85;  // the rest of each whoop falls back quickly
constexpr double kAttackSeconds = 0.004;

}  // namespace

StereoBuffer makeSiren() {
    StereoBuffer dry(secondsToFrames(kWhoops * kWhoopSeconds + kTailSeconds));
    Oscillator square(Waveform::Square), saw(Waveform::Saw);
    StateVariableFilter horn(FilterMode::BandPass, 1400.0f, 0.9f);
    StateVariableFilter top(FilterMode::LowPass, 3500.0f, 0.7f);
    const size_t sounding = secondsToFrames(kWhoops * kWhoopSeconds);
    for (size_t i = 0; i < sounding; ++i) {
        const double time = static_cast<double>(i) / kSampleRate;
        const double within = std::fmod(time, kWhoopSeconds) / kWhoopSeconds;
        double frequency = 0.0;
        float level = 1.0f;
        if (within < kRiseShare) {
            const double rise = within / kRiseShare;
            frequency = kLowHz + (kHighHz - kLowHz) * std::sqrt(rise);
            level = static_cast<float>(std::min(1.0, within * kWhoopSeconds / kAttackSeconds));
        } else {
            const double fall = (within - kRiseShare) / (1.0 - kRiseShare);
            frequency = kHighHz - (kHighHz - kLowHz) * 0.4 * fall;
            level = static_cast<float>(1.0 - fall);
        }
        const float source = 0.6f * square.next(frequency) + 0.4f * saw.next(frequency * 1.5);
        const float sample = top.process(0.6f * horn.process(source) + 0.4f * source) * level;
        dry.left[i] = sample;
        dry.right[i] = sample;
    }
    StereoBuffer out = dry;
    addBuffer(out, renderEcho(dry, {0.19f, 0.3f, 3000.0f, true}, false), 0.35f);
    addBuffer(out, renderReverb(dry, {0.8f, 3000.0f}, false), 0.4f);
    fadeEdges(out, 0.0, 0.2);
    normalizePeak(out, -3.0f);
    return out;
}
