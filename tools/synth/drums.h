#pragma once
#include "audio_buffer.h"

#include <cstdint>

// Percussion voices, each a short mono sample rendered from scratch.
struct KickSettings {
    float startHz = 150.0f;     // pitch at the hit, falling quickly to endHz
    float endHz = 45.0f;
    float pitchDecay = 0.035f;  // seconds, time constant of the fall
    float ampDecay = 0.35f;     // seconds, time constant of the body
    float click = 0.3f;         // level of the noise click on the attack
    float seconds = 0.6f;
};
MonoBuffer renderKick(const KickSettings& settings, float velocity, uint64_t seed);

struct SnareSettings {
    float toneHz = 185.0f;
    float toneDecay = 0.06f;
    float noiseDecay = 0.15f;
    float noiseLevel = 0.8f;
    float brightness = 2500.0f; // high-pass on the snares' rattle
    float seconds = 0.45f;
};
MonoBuffer renderSnare(const SnareSettings& settings, float velocity, uint64_t seed);

struct HiHatSettings {
    float decay = 0.035f;       // short for closed, long for open
    float brightness = 7000.0f;
    float seconds = 0.2f;
};
MonoBuffer renderHiHat(const HiHatSettings& settings, float velocity, uint64_t seed);

// A long washy cymbal for accents at the top of a phrase.
MonoBuffer renderCrash(float seconds, float velocity, uint64_t seed);
