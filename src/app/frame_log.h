#pragma once
#include <cstdint>

// With VELTRANE_FRAME_LOG set to a file name, the game writes one line per
// frame to it: when the frame's picture was finished (steady clock,
// nanoseconds), whether a tick ran in it (1 or 0) and the frame's work in
// nanoseconds. Measurements of the pacing read it; the game never does.
// The time is read here, from the steady clock, not from the frame loop's
// clock, so logging never disturbs a test's scripted clock.
void logFrame(bool ticked, std::int64_t workNs);
