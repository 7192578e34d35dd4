#pragma once

enum class FilterMode { LowPass, HighPass, BandPass };

// State-variable filter in the trapezoidal ("zero-delay feedback") form: stable
// when the cutoff moves every sample, which the sweeping synth voices rely on.
class StateVariableFilter {
public:
    StateVariableFilter(FilterMode mode, float cutoffHz, float resonance = 0.707f);
    void setCutoff(float cutoffHz);
    float process(float input);

private:
    FilterMode mode;
    float damping = 1.414f;  // 1 / Q
    float g = 0.0f;
    float a1 = 0.0f, a2 = 0.0f, a3 = 0.0f;
    float state1 = 0.0f, state2 = 0.0f;
};

// One-pole low-pass used to darken echo and reverb feedback.
class OnePoleLowPass {
public:
    explicit OnePoleLowPass(float cutoffHz);
    float process(float input);

private:
    float coefficient = 0.0f;
    float state = 0.0f;
};
