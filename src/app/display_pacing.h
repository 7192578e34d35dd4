#pragma once
#include <cstdint>
#include <optional>
#include <string>

// How pictures are paced on this display: by swaps that wait for the
// display's refresh where the driver really makes them wait, otherwise by
// sleeping to the refresh rate. Chosen once at start-up.
struct DisplayPacing {
    std::int64_t picturePeriodNs = 0;  // the sleep pacing's period; 0: no sleep
    bool vsync = false;                // swaps wait for the display
    double refreshHz = 0.0;
    std::string description;           // one line, for a benchmark or a log
};

// fps: --fps N, or nothing to follow the display. With vsync, N caps the
// pictures below the refresh rate; without, pictures are slept to N a second
// instead of the refresh rate; 0 turns vsync off and sleeps not at all.
// Needs the game's GL context current; sets its swap interval.
DisplayPacing chooseDisplayPacing(std::optional<int> fps);
