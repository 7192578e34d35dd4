#include <gtest/gtest.h>

#include "app/frame_pacing.h"

TEST(FramePacing, SleepsWhatIsLeftOfFiftyTruncatedMilliseconds) {
    constexpr std::int64_t kPerSecond = 1000000000;
    constexpr std::int64_t kPerMs = 1000000;
    EXPECT_EQ(frameSleepMs(0, kPerSecond), 50);
    EXPECT_EQ(frameSleepMs(10 * kPerMs, kPerSecond), 40);
    EXPECT_EQ(frameSleepMs(50 * kPerMs - 1, kPerSecond), 1);
    EXPECT_EQ(frameSleepMs(50 * kPerMs, kPerSecond), 0);
    EXPECT_EQ(frameSleepMs(120 * kPerMs, kPerSecond), 0);
    // Any clock rate: a 3 GHz counter.
    EXPECT_EQ(frameSleepMs(3000000LL * 20 + 2999999, 3000000000LL), 30);
}

// The real clock sleeps at least what it is asked (load can only lengthen it).
TEST(FramePacing, TheRealClockSleepsAtLeastWhatItIsAsked) {
    const std::int64_t start = frameClockTicks();
    sleepMs(20);
    EXPECT_GE(frameClockTicks() - start, 20 * kFrameClockTicksPerSecond / 1000);
}
