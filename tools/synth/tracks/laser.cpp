// The player's laser: a bright falling zap short enough to fire sixteen times
// a second without the shots smearing into each other.
#include "tracks.h"

#include "../filter.h"
#include "../mastering.h"
#include "../oscillators.h"

#include <cmath>

namespace {

constexpr double kSeconds = 0.15;
constexpr double kStartHz = 2600.0;
constexpr double kEndHz = 320.0;
constexpr float kSweep = 0.03f;   // time constant of the pitch fall, s
constexpr float kDecay = 0.025f;  // time constant of the level, s

}  // namespace

StereoBuffer makeLaser() {
    StereoBuffer out(secondsToFrames(kSeconds));
    Oscillator square(Waveform::Square), saw(Waveform::Saw);
    Oscillator hiss(Waveform::Noise, 0x1A5Eull);
    StateVariableFilter tone(FilterMode::LowPass, 9000.0f, 1.2f);
    for (size_t i = 0; i < out.frames(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        const double frequency = kEndHz + (kStartHz - kEndHz) * std::exp(-time / kSweep);
        const float attack = std::min(1.0f, time / 0.001f);
        const float body = 0.55f * square.next(frequency) + 0.45f * saw.next(frequency * 1.005);
        const float spark = hiss.next(0.0) * 0.25f * std::exp(-time / 0.006f);
        tone.setCutoff(1500.0f + 8000.0f * std::exp(-time / 0.04f));
        const float sample = tone.process(body + spark) * std::exp(-time / kDecay) * attack;
        out.left[i] = sample;
        out.right[i] = sample;
    }
    fadeEdges(out, 0.0, 0.01);
    normalizePeak(out, -3.0f);
    return out;
}
