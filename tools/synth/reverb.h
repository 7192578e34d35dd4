#pragma once
#include "audio_buffer.h"

struct ReverbSettings {
    float roomSize = 0.8f;   // comb feedback, 0..~0.95
    float damping = 4000.0f; // Hz
};

// A small Schroeder reverb (parallel combs into series all-passes per side,
// with slightly different delay lengths left and right for width). Returns
// only the wet signal; looped input is run twice like the echo.
StereoBuffer renderReverb(const StereoBuffer& input, const ReverbSettings& settings, bool loop);
