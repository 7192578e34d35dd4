#include "app/frame_pacing.h"

#include <chrono>
#include <thread>

namespace {
class SteadyFrameClock final : public FrameClock {
public:
    std::int64_t ticks() override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void sleepMs(std::int64_t milliseconds) override {
        if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    void sleepNs(std::int64_t nanoseconds) override {
        if (nanoseconds > 0) std::this_thread::sleep_for(std::chrono::nanoseconds(nanoseconds));
    }
};

SteadyFrameClock steadyClock;
FrameClock* currentClock = &steadyClock;
}  // namespace

std::int64_t frameSleepMs(std::int64_t elapsedTicks, std::int64_t ticksPerSecond) {
    const std::int64_t ticksPerMs = ticksPerSecond / 1000;
    if (ticksPerMs <= 0) return 0;
    const std::int64_t elapsedMs = elapsedTicks / ticksPerMs;
    const std::int64_t remaining = kFrameBudgetMs - elapsedMs;
    return remaining > 0 ? remaining : 0;
}

void useFrameClock(FrameClock* clock) { currentClock = clock != nullptr ? clock : &steadyClock; }

std::int64_t frameClockTicks() { return currentClock->ticks(); }

void sleepMs(std::int64_t milliseconds) { currentClock->sleepMs(milliseconds); }

void sleepUntil(std::int64_t ticks) {
    const std::int64_t remaining = ticks - currentClock->ticks();
    if (remaining > 0) currentClock->sleepNs(remaining);
}
