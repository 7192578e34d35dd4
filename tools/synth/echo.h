#pragma once
#include "audio_buffer.h"

struct EchoSettings {
    float delaySeconds = 0.3f;
    float feedback = 0.35f;    // share of each repeat fed into the next
    float damping = 5000.0f;   // low-pass on the repeats, Hz
    bool pingPong = true;      // repeats alternate between the two sides
};

// Returns only the repeats (the wet signal) of `input`. For a looped track the
// input is run through twice and the second pass kept, so repeats of the last
// bars carry on over the seam into the first bars.
StereoBuffer renderEcho(const StereoBuffer& input, const EchoSettings& settings, bool loop);
