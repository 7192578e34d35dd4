#include <gtest/gtest.h>

#include "app/picture_pacing.h"

namespace {
constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kSecond = 1000 * kMs;
// Not zero: the pacer must not lean on a clock that starts at zero.
constexpr std::int64_t kStart = 123'456'789'000;

struct Tally {
    int ticks = 0;
    int pictures = 0;
};

// Frames as the loop runs them on a simulated clock, from `now` until `until`:
// a step when due, a picture taking drawNs, then the wait for the next
// picture's slot, which the sleep overshoots by a varying fraction of a millisecond.
Tally runFrames(SmoothPacer& pacer, std::int64_t& now, std::int64_t until, std::int64_t drawNs) {
    Tally tally;
    while (now < until) {
        if (pacer.takeTick(now)) ++tally.ticks;
        const float fraction = pacer.fraction(now);
        EXPECT_TRUE(fraction >= 0.0f && fraction <= 1.0f) << fraction;
        ++tally.pictures;
        const std::int64_t drawn = now + drawNs;
        const std::int64_t slot = pacer.nextPictureAt(now);
        now = slot > drawn ? slot + (tally.pictures % 4) * kMs / 4 : drawn;
    }
    return tally;
}
}  // namespace

// Twenty steps a second at any picture rate, without drift, and a capped
// picture rate kept to its cadence despite oversleeping: never above the cap,
// never a picture short of it.
TEST(SmoothPacer, StepsTwentyTimesASecondAndKeepsThePictureCap) {
    const struct { std::int64_t picturePeriod; std::int64_t draw; } cases[] = {
        {0, 3 * kMs}, {4'170'000, 2 * kMs}, {7 * kMs, 2 * kMs}, {16'670'000, 5 * kMs}, {33 * kMs, 10 * kMs},
    };
    for (const auto& c : cases) {
        SmoothPacer pacer(c.picturePeriod);
        std::int64_t now = kStart;
        const Tally tally = runFrames(pacer, now, kStart + 10 * kSecond, c.draw);
        EXPECT_NEAR(tally.ticks, 200, 1) << "picture period " << c.picturePeriod;
        const std::int64_t period = c.picturePeriod > 0 ? c.picturePeriod : c.draw;
        EXPECT_LE(tally.pictures, 10 * kSecond / period + 1) << "picture period " << c.picturePeriod;
        EXPECT_GE(tally.pictures, 10 * kSecond / period - 1) << "picture period " << c.picturePeriod;
    }
}

// A stall is not made up with a burst of steps or pictures, and a renderer
// slower than the steps gets one step per picture: the game slows down.
TEST(SmoothPacer, AStallOrASlowRendererSlowsTheGameInsteadOfBursting) {
    SmoothPacer pacer(16'670'000);
    std::int64_t now = kStart;
    runFrames(pacer, now, kStart + kSecond, 3 * kMs);
    now += 500 * kMs;
    const Tally afterStall = runFrames(pacer, now, now + kSecond, 3 * kMs);
    EXPECT_NEAR(afterStall.ticks, 20, 1);
    EXPECT_NEAR(afterStall.pictures, 60, 1);

    SmoothPacer slow(0);
    now = kStart;
    const Tally tally = runFrames(slow, now, kStart + 10 * kSecond, 80 * kMs);
    EXPECT_EQ(tally.pictures, 125);
    EXPECT_EQ(tally.ticks, tally.pictures);
}

// The fraction runs from the last step's time and holds at exactly 1 once the
// next step is due; a step taken late counts from its schedule, not its start.
TEST(SmoothPacer, FractionRunsFromTheLastStepAndHoldsAtOneWhenLate) {
    SmoothPacer pacer(0);
    EXPECT_TRUE(pacer.takeTick(kStart));
    EXPECT_EQ(pacer.fraction(kStart), 0.0f);
    EXPECT_FLOAT_EQ(pacer.fraction(kStart + 20 * kMs), 0.4f);
    EXPECT_FALSE(pacer.takeTick(kStart + 49 * kMs));
    EXPECT_EQ(pacer.fraction(kStart + 50 * kMs), 1.0f);
    EXPECT_EQ(pacer.fraction(kStart + 70 * kMs), 1.0f);
    EXPECT_TRUE(pacer.takeTick(kStart + 70 * kMs));
    EXPECT_FLOAT_EQ(pacer.fraction(kStart + 70 * kMs), 0.4f);
    EXPECT_EQ(pacer.nextPictureAt(kStart + 70 * kMs), kStart + 70 * kMs);
}
