#pragma once
#include <cstdint>

// The GLX swap interval: how many display refreshes a buffer swap waits for.
// Every function here needs the game's GLX context current.

// Sets the interval through whichever of GLX_EXT_swap_control,
// GLX_MESA_swap_control and GLX_SGI_swap_control the driver offers. False
// when none is offered, or the one offered refuses (SGI's cannot set 0).
bool setSwapInterval(int interval);

// The GLX extension setSwapInterval goes through, or "" when there is none.
const char* swapControlExtension();

struct SwapWait {
    bool waits = false;               // swaps really wait for the display
    std::int64_t medianSwapNs = 0;    // the median time between two swaps
};

// Times a few swaps of an empty frame, each finished before the next, with
// the interval already set to 1. Some drivers take an interval and still
// swap at once (a software renderer on a virtual display), so the swaps are
// believed to wait only when they take at least about half a refresh.
SwapWait measureSwapWait(double refreshHz);
