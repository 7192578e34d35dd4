#include "app/display_pacing.h"

#include <cstdio>

#include "platform/display_refresh.h"
#include "platform/swap_control.h"

namespace {
std::int64_t periodNs(double perSecond) { return static_cast<std::int64_t>(1e9 / perSecond + 0.5); }
}  // namespace

DisplayPacing chooseDisplayPacing(std::optional<int> fps) {
    DisplayPacing pacing;
    const DisplayRefresh refresh = readDisplayRefresh();
    pacing.refreshHz = refresh.hz;
    const char* refreshSource = refresh.fromXrandr ? "XRandR" : "assumed";
    char line[200];
    if (fps == 0) {
        setSwapInterval(0);
        std::snprintf(line, sizeof line, "pictures uncapped: no vsync, no sleep (display %.2f Hz, %s)", refresh.hz,
                      refreshSource);
        pacing.description = line;
        return pacing;
    }
    const char* extension = swapControlExtension();
    SwapWait wait;
    if (setSwapInterval(1)) wait = measureSwapWait(refresh.hz);
    const double swapMs = static_cast<double>(wait.medianSwapNs) / 1e6;
    if (wait.waits) {
        pacing.vsync = true;
        // Swaps that wait tell the refresh better than a guess.
        if (!refresh.fromXrandr) {
            pacing.refreshHz = 1e9 / static_cast<double>(wait.medianSwapNs);
            refreshSource = "timed swaps";
        }
        // The swaps pace the pictures; only a cap below the refresh adds a sleep.
        if (fps && *fps < pacing.refreshHz) pacing.picturePeriodNs = periodNs(*fps);
        const double rate = pacing.picturePeriodNs > 0 ? *fps : pacing.refreshHz;
        std::snprintf(line, sizeof line, "vsync (%s, swap %.2f ms), %.2f pictures/s (display %.2f Hz, %s)", extension,
                      swapMs, rate, pacing.refreshHz, refreshSource);
        pacing.description = line;
        return pacing;
    }
    // Swaps that do not wait are not half-trusted: the sleep alone paces, at
    // the refresh rate unless --fps names another.
    setSwapInterval(0);
    const double rate = fps ? *fps : refresh.hz;
    pacing.picturePeriodNs = periodNs(rate);
    char why[100];
    if (*extension == '\0')
        std::snprintf(why, sizeof why, "no swap control offered");
    else
        std::snprintf(why, sizeof why, "%s, but swaps took %.2f ms", extension, swapMs);
    std::snprintf(line, sizeof line, "no vsync (%s), pictures slept to %.2f/s (display %.2f Hz, %s)", why, rate,
                  refresh.hz, refreshSource);
    pacing.description = line;
    return pacing;
}
