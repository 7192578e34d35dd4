#include "drums.h"

#include "filter.h"
#include "oscillators.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// Ramps the very first samples in so a drum hit never starts with a step.
constexpr float kAttackSeconds = 0.0015f;

float attackRamp(float time) { return time < kAttackSeconds ? time / kAttackSeconds : 1.0f; }

// Brings the last few milliseconds down to zero so a cut-off tail does not click.
void fadeOutTail(MonoBuffer& sample) {
    const size_t fade = std::min<size_t>(sample.size(), secondsToFrames(0.01));
    for (size_t i = 0; i < fade; ++i) sample[sample.size() - 1 - i] *= static_cast<float>(i) / fade;
}

}  // namespace

MonoBuffer renderKick(const KickSettings& settings, float velocity, uint64_t seed) {
    MonoBuffer out(secondsToFrames(settings.seconds));
    Oscillator body(Waveform::Sine);
    Oscillator click(Waveform::Noise, seed);
    StateVariableFilter clickFilter(FilterMode::BandPass, 3000.0f, 0.8f);
    for (size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        const double frequency = settings.endHz + (settings.startHz - settings.endHz) * std::exp(-time / settings.pitchDecay);
        const float tone = body.next(frequency) * std::exp(-time / settings.ampDecay);
        const float snap = clickFilter.process(click.next(0.0)) * settings.click * std::exp(-time / 0.004f);
        // Soft saturation gives the body a little punch without hard clipping.
        out[i] = std::tanh(1.5f * (tone + snap)) / std::tanh(1.5f) * attackRamp(time) * velocity;
    }
    fadeOutTail(out);
    return out;
}

MonoBuffer renderSnare(const SnareSettings& settings, float velocity, uint64_t seed) {
    MonoBuffer out(secondsToFrames(settings.seconds));
    Oscillator toneLow(Waveform::Triangle);
    Oscillator toneHigh(Waveform::Sine);
    Oscillator noise(Waveform::Noise, seed);
    StateVariableFilter rattle(FilterMode::HighPass, settings.brightness, 0.7f);
    StateVariableFilter body(FilterMode::LowPass, 9000.0f, 0.7f);
    for (size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        const float drop = 1.0f + 0.3f * std::exp(-time / 0.01f);
        const float tone = (0.6f * toneLow.next(settings.toneHz * drop) + 0.4f * toneHigh.next(settings.toneHz * 1.6 * drop)) *
                           std::exp(-time / settings.toneDecay);
        const float snares = body.process(rattle.process(noise.next(0.0))) * settings.noiseLevel * std::exp(-time / settings.noiseDecay);
        out[i] = (tone * 0.7f + snares) * attackRamp(time) * velocity;
    }
    fadeOutTail(out);
    return out;
}

MonoBuffer renderHiHat(const HiHatSettings& settings, float velocity, uint64_t seed) {
    MonoBuffer out(secondsToFrames(settings.seconds));
    // Noise plus a cluster of inharmonic squares gives the metallic shimmer.
    static constexpr double kMetalRatios[] = {1.0, 1.342, 1.2312, 1.6532, 1.9523, 2.1523};
    Oscillator noise(Waveform::Noise, seed);
    std::vector<Oscillator> metal;
    for (size_t k = 0; k < std::size(kMetalRatios); ++k) metal.emplace_back(Waveform::Square, 0, 0.13 * k);
    StateVariableFilter highPass(FilterMode::HighPass, settings.brightness, 0.9f);
    for (size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        float shimmer = 0.0f;
        for (size_t k = 0; k < metal.size(); ++k) shimmer += metal[k].next(410.0 * kMetalRatios[k]);
        const float source = 0.6f * noise.next(0.0) + 0.08f * shimmer;
        out[i] = highPass.process(source) * std::exp(-time / settings.decay) * attackRamp(time) * velocity;
    }
    fadeOutTail(out);
    return out;
}

MonoBuffer renderCrash(float seconds, float velocity, uint64_t seed) {
    MonoBuffer out(secondsToFrames(seconds));
    Oscillator noise(Waveform::Noise, seed);
    StateVariableFilter highPass(FilterMode::HighPass, 3500.0f, 0.6f);
    StateVariableFilter ring(FilterMode::BandPass, 6200.0f, 2.0f);
    for (size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        const float source = highPass.process(noise.next(0.0));
        const float body = source * 0.8f + ring.process(source) * 0.5f;
        out[i] = body * std::exp(-time / (seconds * 0.28f)) * attackRamp(time) * velocity;
    }
    fadeOutTail(out);
    return out;
}
