#include "oscillators.h"

#include "audio_buffer.h"

#include <cmath>

namespace {

// Smooths the step of a naive waveform over one sample either side of the jump.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

Oscillator::Oscillator(Waveform waveform, uint64_t noiseSeed, double startPhase)
    : waveform(waveform), noise(noiseSeed), phase(startPhase - std::floor(startPhase)) {}

float Oscillator::next(double frequencyHz) {
    const double dt = std::fabs(frequencyHz) / kSampleRate;
    double value = 0.0;
    switch (waveform) {
    case Waveform::Sine:
        value = std::sin(2.0 * M_PI * phase);
        break;
    case Waveform::Square:
        value = (phase < 0.5 ? 1.0 : -1.0) + polyBlep(phase, dt);
        {
            double shifted = phase + 0.5;
            if (shifted >= 1.0) shifted -= 1.0;
            value -= polyBlep(shifted, dt);
        }
        break;
    case Waveform::Saw:
        value = 2.0 * phase - 1.0 - polyBlep(phase, dt);
        break;
    case Waveform::Triangle:
        value = phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
        break;
    case Waveform::Noise:
        value = noise.bipolar();
        break;
    }
    phase += dt;
    phase -= std::floor(phase);
    return static_cast<float>(value);
}

double midiToHz(double midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}
