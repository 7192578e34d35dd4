#include "filter.h"

#include "audio_buffer.h"

#include <algorithm>
#include <cmath>

StateVariableFilter::StateVariableFilter(FilterMode mode, float cutoffHz, float resonance)
    : mode(mode), damping(1.0f / std::max(resonance, 0.05f)) {
    setCutoff(cutoffHz);
}

void StateVariableFilter::setCutoff(float cutoffHz) {
    const float nyquistSafe = std::clamp(cutoffHz, 10.0f, 0.45f * kSampleRate);
    g = static_cast<float>(std::tan(M_PI * nyquistSafe / kSampleRate));
    a1 = 1.0f / (1.0f + g * (g + damping));
    a2 = g * a1;
    a3 = g * a2;
}

float StateVariableFilter::process(float input) {
    const float v3 = input - state2;
    const float v1 = a1 * state1 + a2 * v3;
    const float v2 = state2 + a2 * state1 + a3 * v3;
    state1 = 2.0f * v1 - state1;
    state2 = 2.0f * v2 - state2;
    switch (mode) {
    case FilterMode::LowPass: return v2;
    case FilterMode::BandPass: return v1;
    case FilterMode::HighPass: return input - damping * v1 - v2;
    }
    return v2;
}

OnePoleLowPass::OnePoleLowPass(float cutoffHz)
    : coefficient(1.0f - static_cast<float>(std::exp(-2.0 * M_PI * cutoffHz / kSampleRate))) {}

float OnePoleLowPass::process(float input) {
    state += coefficient * (input - state);
    return state;
}
