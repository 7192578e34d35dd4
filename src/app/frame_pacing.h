#pragma once
#include <cstdint>

// Every frame gets a budget of 50 ms: the frame measures its own work and
// sleeps whatever is left, so the game runs at most 20 steps a second and a
// slow frame simply makes the game slower.
constexpr int kFrameBudgetMs = 50;

// Milliseconds to sleep after a frame whose work took elapsedTicks of a clock
// running at ticksPerSecond. The elapsed time is truncated to whole
// milliseconds (both divisions truncate), so 49.9 ms of work sleeps 1 ms.
std::int64_t frameSleepMs(std::int64_t elapsedTicks, std::int64_t ticksPerSecond);

// The clock the frame loop measures its work with and sleeps on: the
// monotonic clock in nanosecond ticks, unless a test puts a fake one in.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual std::int64_t ticks() = 0;
    virtual void sleepMs(std::int64_t milliseconds) = 0;
    // Sleeps to the nanosecond where the clock can (the real one can).
    virtual void sleepNs(std::int64_t nanoseconds) { sleepMs(nanoseconds / 1000000); }
};
// Makes `clock` the frame loop's clock; nullptr puts the real one back.
void useFrameClock(FrameClock* clock);

// The frame loop's clock, read and slept on.
std::int64_t frameClockTicks();
constexpr std::int64_t kFrameClockTicksPerSecond = 1000000000;
// Sleeps for the given number of milliseconds (nothing for 0 or less).
void sleepMs(std::int64_t milliseconds);
// Sleeps until the clock reads `ticks` (nothing when it already has).
void sleepUntil(std::int64_t ticks);
