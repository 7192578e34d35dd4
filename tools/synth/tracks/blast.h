#pragma once
#include "../audio_buffer.h"

#include <cstdint>

// One explosion layer: noise through a low-pass that closes as the blast dies,
// a falling sine "boom" underneath and random crackle on top. Left and right
// use independent noise so the blast is wide.
struct BlastSettings {
    float seconds = 1.0f;
    float attack = 0.003f;
    float decay = 0.3f;           // time constant of the noise body
    float startCutoffHz = 6000.0f;
    float endCutoffHz = 200.0f;
    float cutoffFall = 0.15f;     // time constant of the closing filter
    float boomStartHz = 120.0f;
    float boomEndHz = 40.0f;
    float boomDecay = 0.25f;
    float boomLevel = 0.6f;
    float cracklePerSecond = 60.0f;
    float crackleLevel = 0.3f;
};

StereoBuffer renderBlast(const BlastSettings& settings, uint64_t seed);
