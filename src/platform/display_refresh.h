#pragma once

// The refresh rate of the monitor that shows the game's window, as XRandR
// tells it. Needs the game's GLX context current (its display and window).
struct DisplayRefresh {
    static constexpr double kAssumedHz = 60.0;

    double hz = kAssumedHz;
    bool fromXrandr = false;  // false: XRandR could not tell, 60 is assumed
};

DisplayRefresh readDisplayRefresh();
