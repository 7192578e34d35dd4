#include "instruments.h"

#include <array>
#include <cmath>
#include <memory>

namespace {

// Drum hits are rendered once per variation at full velocity and then scaled:
// a few variations keep repeated hits from sounding identical while sparing
// the synthesis of hundreds of copies.
constexpr size_t kDrumVariations = 4;

Instrument cachedDrum(std::function<MonoBuffer(uint64_t seed)> render) {
    auto cache = std::make_shared<std::array<MonoBuffer, kDrumVariations>>();
    return [cache, render](const NoteEvent& note, uint64_t seed) {
        MonoBuffer& variation = (*cache)[seed % kDrumVariations];
        if (variation.empty()) variation = render(0xD5u + seed % kDrumVariations);
        MonoBuffer hit = variation;
        for (float& sample : hit) sample *= note.velocity;
        return hit;
    };
}

}  // namespace

Instrument patchInstrument(const Patch& patch) {
    return [patch](const NoteEvent& note, uint64_t seed) { return renderPatch(patch, note, seed); };
}

Instrument kickInstrument(const KickSettings& settings) {
    return cachedDrum([settings](uint64_t seed) { return renderKick(settings, 1.0f, seed); });
}

Instrument snareInstrument(const SnareSettings& settings) {
    return cachedDrum([settings](uint64_t seed) { return renderSnare(settings, 1.0f, seed); });
}

Instrument hiHatInstrument(const HiHatSettings& settings) {
    return cachedDrum([settings](uint64_t seed) { return renderHiHat(settings, 1.0f, seed); });
}

Instrument crashInstrument(float seconds) {
    return cachedDrum([seconds](uint64_t seed) { return renderCrash(seconds, 1.0f, seed); });
}

Instrument timpaniInstrument() {
    return [](const NoteEvent& note, uint64_t seed) {
        KickSettings drum;
        drum.endHz = static_cast<float>(note.frequencyHz);
        drum.startHz = drum.endHz * 1.6f;
        drum.pitchDecay = 0.05f;
        drum.ampDecay = 0.55f;
        drum.click = 0.5f;
        drum.seconds = 1.6f;
        return renderKick(drum, note.velocity, seed);
    };
}

Patch drivingBassPatch() {
    Patch patch;
    patch.wave = Waveform::Saw;
    patch.wave2 = Waveform::Square;
    patch.wave2Mix = 0.4f;
    patch.octave2 = -1;
    patch.amp = {0.003f, 0.12f, 0.75f, 0.04f};
    patch.cutoffHz = 300.0f;
    patch.cutoffEnvHz = 1600.0f;
    patch.filterEnv = {0.002f, 0.14f, 0.15f, 0.05f};
    patch.resonance = 1.3f;
    patch.velocityToCutoff = 400.0f;
    return patch;
}

Patch warmPadPatch() {
    Patch patch;
    patch.wave = Waveform::Saw;
    patch.wave2 = Waveform::Saw;
    patch.wave2Mix = 0.5f;
    patch.detuneCents = 11.0f;
    patch.amp = {0.35f, 0.6f, 0.8f, 0.7f};
    patch.cutoffHz = 900.0f;
    patch.cutoffEnvHz = 600.0f;
    patch.filterEnv = {0.8f, 1.0f, 0.4f, 0.6f};
    patch.cutoffKeyTrack = 0.5f;
    patch.vibratoHz = 0.4f;
    patch.vibratoCents = 6.0f;
    patch.vibratoDelay = 0.0f;
    return patch;
}

Patch stabPatch() {
    Patch patch;
    patch.wave = Waveform::Square;
    patch.wave2 = Waveform::Saw;
    patch.wave2Mix = 0.5f;
    patch.detuneCents = 12.0f;
    patch.amp = {0.003f, 0.14f, 0.0f, 0.05f};
    patch.cutoffHz = 1200.0f;
    patch.cutoffEnvHz = 3000.0f;
    patch.filterEnv = {0.001f, 0.09f, 0.0f, 0.05f};
    patch.resonance = 1.1f;
    return patch;
}

Patch pluckPatch() {
    Patch patch;
    patch.wave = Waveform::Square;
    patch.wave2 = Waveform::Triangle;
    patch.wave2Mix = 0.4f;
    patch.octave2 = 1;
    patch.amp = {0.002f, 0.16f, 0.15f, 0.08f};
    patch.cutoffHz = 1400.0f;
    patch.cutoffEnvHz = 2600.0f;
    patch.filterEnv = {0.001f, 0.1f, 0.0f, 0.05f};
    return patch;
}

Patch sawLeadPatch() {
    Patch patch;
    patch.wave = Waveform::Saw;
    patch.wave2 = Waveform::Saw;
    patch.wave2Mix = 0.45f;
    patch.detuneCents = 7.0f;
    patch.amp = {0.01f, 0.2f, 0.75f, 0.12f};
    patch.cutoffHz = 2400.0f;
    patch.cutoffEnvHz = 2000.0f;
    patch.filterEnv = {0.005f, 0.25f, 0.3f, 0.1f};
    patch.resonance = 0.9f;
    patch.vibratoHz = 5.5f;
    patch.vibratoCents = 16.0f;
    patch.vibratoDelay = 0.18f;
    return patch;
}

Patch softLeadPatch() {
    Patch patch;
    patch.wave = Waveform::Triangle;
    patch.wave2 = Waveform::Sine;
    patch.wave2Mix = 0.35f;
    patch.octave2 = 1;
    patch.amp = {0.06f, 0.3f, 0.8f, 0.5f};
    patch.cutoffHz = 3000.0f;
    patch.vibratoHz = 4.8f;
    patch.vibratoCents = 14.0f;
    patch.vibratoDelay = 0.3f;
    return patch;
}

Patch bellPatch() {
    Patch patch;
    patch.wave = Waveform::Sine;
    patch.wave2 = Waveform::Sine;
    patch.wave2Mix = 0.3f;
    patch.octave2 = 2;
    patch.detuneCents = 3.0f;
    patch.amp = {0.002f, 1.2f, 0.0f, 0.6f};
    return patch;
}

Patch subBassPatch() {
    Patch patch;
    patch.wave = Waveform::Triangle;
    patch.wave2 = Waveform::Sine;
    patch.wave2Mix = 0.5f;
    patch.amp = {0.08f, 0.4f, 0.85f, 0.5f};
    patch.cutoffHz = 600.0f;
    return patch;
}

Patch electricPianoPatch() {
    Patch patch;
    patch.wave = Waveform::Sine;
    patch.wave2 = Waveform::Triangle;
    patch.wave2Mix = 0.25f;
    patch.octave2 = 1;
    patch.amp = {0.004f, 1.6f, 0.25f, 0.7f};
    patch.cutoffHz = 2500.0f;
    patch.vibratoHz = 3.0f;
    patch.vibratoCents = 5.0f;
    return patch;
}

Patch brassPatch() {
    Patch patch;
    patch.wave = Waveform::Saw;
    patch.wave2 = Waveform::Saw;
    patch.wave2Mix = 0.5f;
    patch.detuneCents = 8.0f;
    patch.amp = {0.02f, 0.2f, 0.85f, 0.25f};
    patch.cutoffHz = 700.0f;
    patch.cutoffEnvHz = 2800.0f;
    patch.filterEnv = {0.05f, 0.3f, 0.55f, 0.25f};
    patch.cutoffKeyTrack = 0.8f;
    patch.vibratoHz = 5.0f;
    patch.vibratoCents = 12.0f;
    patch.vibratoDelay = 0.25f;
    return patch;
}
