// The player's ship destroyed: its engines whine down while the hull bursts.
#include "blast.h"
#include "tracks.h"

#include "../filter.h"
#include "../mastering.h"
#include "../oscillators.h"
#include "../reverb.h"

#include <cmath>

namespace {

constexpr double kSeconds = 3.5;

}  // namespace

StereoBuffer makePlayerExplode() {
    BlastSettings blast;
    blast.seconds = static_cast<float>(kSeconds);
    blast.attack = 0.002f;
    blast.decay = 0.6f;
    blast.startCutoffHz = 7000.0f;
    blast.endCutoffHz = 150.0f;
    blast.cutoffFall = 0.35f;
    blast.boomStartHz = 100.0f;
    blast.boomEndHz = 32.0f;
    blast.boomDecay = 0.8f;
    blast.boomLevel = 0.8f;
    blast.cracklePerSecond = 90.0f;
    blast.crackleLevel = 0.35f;
    StereoBuffer out = renderBlast(blast, 0x9A7E5ull);

    // Engine power-down: a detuned saw pair sliding from a whine to a growl.
    Oscillator first(Waveform::Saw), second(Waveform::Saw);
    StateVariableFilter tone(FilterMode::LowPass, 3000.0f, 1.5f);
    for (size_t i = 0; i < out.frames(); ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        const double frequency = 40.0 + 900.0 * std::exp(-time / 0.6);
        tone.setCutoff(300.0f + 3000.0f * std::exp(-time / 0.8f));
        const float whine = tone.process(0.5f * first.next(frequency) + 0.5f * second.next(frequency * 1.01));
        const float level = 0.35f * std::min(1.0f, time / 0.02f) * std::exp(-time / 0.9f);
        out.left[i] += whine * level;
        out.right[i] += whine * level;
    }
    addBuffer(out, renderReverb(out, {0.84f, 3000.0f}, false), 0.4f);
    fadeEdges(out, 0.0, 0.5);
    normalizePeak(out, -2.0f);
    return out;
}
