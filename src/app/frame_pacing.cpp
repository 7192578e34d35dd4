#include "app/frame_pacing.h"

#include <chrono>
#include <thread>

std::int64_t frameSleepMs(std::int64_t elapsedTicks, std::int64_t ticksPerSecond) {
    const std::int64_t ticksPerMs = ticksPerSecond / 1000;
    if (ticksPerMs <= 0) return 0;
    const std::int64_t elapsedMs = elapsedTicks / ticksPerMs;
    const std::int64_t remaining = kFrameBudgetMs - elapsedMs;
    return remaining > 0 ? remaining : 0;
}

std::int64_t frameClockTicks() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void sleepMs(std::int64_t milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
