#include "blast.h"

#include "../filter.h"
#include "../oscillators.h"

#include <cmath>

namespace {

float renderSide(const BlastSettings& settings, Rng& rng, StateVariableFilter& body, float& crackle, float time) {
    body.setCutoff(settings.endCutoffHz + (settings.startCutoffHz - settings.endCutoffHz) * std::exp(-time / settings.cutoffFall));
    const float rumble = body.process(rng.bipolar()) * std::exp(-time / settings.decay);
    // Crackle: sparse single-sample impulses that ring for a moment.
    if (rng.uniform() < settings.cracklePerSecond / kSampleRate) crackle = rng.bipolar();
    crackle *= 0.93f;
    return rumble + crackle * settings.crackleLevel * std::exp(-time / (settings.decay * 1.5f));
}

}  // namespace

StereoBuffer renderBlast(const BlastSettings& settings, uint64_t seed) {
    StereoBuffer out(secondsToFrames(settings.seconds));
    Rng leftNoise(seed), rightNoise(seed ^ 0x5EEDull);
    StateVariableFilter leftBody(FilterMode::LowPass, settings.startCutoffHz, 0.8f);
    StateVariableFilter rightBody(FilterMode::LowPass, settings.startCutoffHz, 0.8f);
    Oscillator boom(Waveform::Sine);
    float leftCrackle = 0.0f, rightCrackle = 0.0f;
    for (size_t i = 0; i < out.frames(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        const float attack = time < settings.attack ? time / settings.attack : 1.0f;
        const double boomHz = settings.boomEndHz + (settings.boomStartHz - settings.boomEndHz) * std::exp(-time / (settings.boomDecay * 0.5f));
        const float low = boom.next(boomHz) * settings.boomLevel * std::exp(-time / settings.boomDecay);
        out.left[i] = (renderSide(settings, leftNoise, leftBody, leftCrackle, time) + low) * attack;
        out.right[i] = (renderSide(settings, rightNoise, rightBody, rightCrackle, time) + low) * attack;
    }
    return out;
}
