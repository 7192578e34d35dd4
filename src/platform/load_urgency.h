#pragma once

// What the sound loader weighs when it picks the next file to decode a slice of.
struct PendingLoad {
    bool playing = false;    // a loop already heard while it decodes
    bool effect = false;     // a WAV: short, heard in the first moments of play
    bool waitedFor = false;  // a play waits for it
    int order = 0;           // when it was asked for
};

// A track already playing comes first until it is whole (its loop would
// otherwise run into silence), then the effects, then what a play waits for,
// then the opening order.
bool moreUrgent(const PendingLoad& a, const PendingLoad& b);

// Work that must not give way to the game's drawing.
bool isUrgent(const PendingLoad& load);
