#pragma once

// Attack-decay-sustain-release envelope as a pure function of time, so a voice
// can be rendered in one pass without keeping envelope state. Times in seconds.
struct Adsr {
    float attack = 0.005f;
    float decay = 0.1f;
    float sustain = 1.0f;  // level, 0..1
    float release = 0.05f;

    // Level at `time` seconds after note-on for a key held `gate` seconds.
    // Reaches exactly zero at gate + release.
    float level(float time, float gate) const;
    // Seconds from note-on until the envelope is silent.
    float length(float gate) const { return gate + release; }
};
