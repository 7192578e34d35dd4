#include "voice.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kControlFrames = 16;

}  // namespace

MonoBuffer renderPatch(const Patch& patch, const NoteEvent& note, uint64_t seed) {
    const float gate = static_cast<float>(note.seconds);
    const size_t frames = secondsToFrames(patch.amp.length(gate));
    MonoBuffer out(frames, 0.0f);
    Rng phases(seed);
    Oscillator first(patch.wave, seed ^ 0x51u, phases.uniform());
    Oscillator second(patch.wave2, seed ^ 0xA7u, phases.uniform());
    const double secondRatio = std::pow(2.0, patch.octave2 + patch.detuneCents / 1200.0);
    StateVariableFilter filter(patch.filterMode, patch.cutoffHz, patch.resonance);
    const float baseCutoff = patch.cutoffHz + patch.cutoffKeyTrack * static_cast<float>(note.frequencyHz) +
                             patch.velocityToCutoff * note.velocity;
    double frequency = note.frequencyHz;
    for (size_t i = 0; i < frames; ++i) {
        const float time = static_cast<float>(i) / kSampleRate;
        // Pitch and cutoff move slowly: update them at a control rate, not every sample.
        if (i % kControlFrames == 0) {
            frequency = note.frequencyHz;
            if (patch.vibratoCents > 0.0f && time > patch.vibratoDelay) {
                const float fadeIn = std::min(1.0f, (time - patch.vibratoDelay) / 0.3f);
                const double cents = fadeIn * patch.vibratoCents * std::sin(2.0 * M_PI * patch.vibratoHz * time);
                frequency *= std::exp2(cents / 1200.0);
            }
            if (patch.cutoffEnvHz != 0.0f || i == 0)
                filter.setCutoff(baseCutoff + patch.cutoffEnvHz * patch.filterEnv.level(time, gate));
        }
        float sample = first.next(frequency) * (1.0f - patch.wave2Mix);
        if (patch.wave2Mix > 0.0f) sample += second.next(frequency * secondRatio) * patch.wave2Mix;
        out[i] = filter.process(sample) * patch.amp.level(time, gate) * note.velocity;
    }
    return out;
}
