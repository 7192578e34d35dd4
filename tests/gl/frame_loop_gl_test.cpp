#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "app/frame_pacing.h"
#include "game_window.h"
#include "state/options.h"

namespace {
// A clock that stands still but for what the test says: each frame's work
// passes between the frame's first reading and its next, and a sleep passes
// exactly as long as asked.
class ScriptedClock final : public FrameClock {
public:
    explicit ScriptedClock(std::vector<std::int64_t> workNs) : work(std::move(workNs)) {}
    std::int64_t ticks() override {
        const std::int64_t reading = now;
        if (!workPassed) {
            now += sleeps.size() < work.size() ? work[sleeps.size()] : 0;
            workPassed = true;
        }
        return reading;
    }
    void sleepMs(std::int64_t milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds * 1000000;
        workPassed = false;
    }

    std::vector<std::int64_t> work;
    std::vector<std::int64_t> sleeps;
    std::int64_t now = 0;
    bool workPassed = false;
};
// A clock on which each frame's work passes at the frame's first reading,
// and a sleep passes exactly as long as asked.
class FrameWorkClock final : public FrameClock {
public:
    std::int64_t ticks() override {
        if (framesDrawn != seenFrame) {
            seenFrame = framesDrawn;
            now += workNs;
        }
        return now;
    }
    void sleepMs(std::int64_t milliseconds) override { now += milliseconds * 1000000; }
    void sleepNs(std::int64_t nanoseconds) override { now += nanoseconds; }
    std::int64_t workNs = 0;
    std::int64_t now = 0;
    long long seenFrame = -1;
};
}  // namespace

// The real classic frame loop, paced by a scripted clock: every frame sleeps
// once, whatever is left of 50 ms after its work, truncated to whole
// milliseconds, and nothing once the work alone fills the budget.
TEST(FrameLoop, ClassicSleepsWhatIsLeftOfTheBudgetAfterEachFramesWork) {
    startGameForTest();
    useClassicFrames(true);
    runFrames(2);
    constexpr std::int64_t kMs = 1000000;
    const std::vector<std::int64_t> work = {0, 12 * kMs + 700000, 50 * kMs - 1, 50 * kMs, 80 * kMs, 3 * kMs, 0};
    ScriptedClock clock(work);
    useFrameClock(&clock);
    runFrames(static_cast<long long>(work.size()));
    useFrameClock(nullptr);

    EXPECT_EQ(clock.sleeps, (std::vector<std::int64_t>{50, 38, 1, 0, 0, 47, 50}));
    EXPECT_EQ(lastFrameWorkNs, 0) << "the last frame's work as the clock measured it";
}

// The real smooth loop on a scripted clock: pictures of 7 ms of work each at
// 60 a second, ticks at 20 a second of the clock's time, one tick per
// picture at most; a picture slower than a step runs one tick each.
TEST(FrameLoop, SmoothTicksTwentyASecondWhateverThePictures) {
    startGameForTest();
    useSmoothPacing(16666667);
    runFrames(2);
    constexpr std::int64_t kMs = 1000000;
    FrameWorkClock clock;
    clock.workNs = 7 * kMs;
    clock.now = frameClockTicks();  // the pacer's schedule is in the real clock's time
    useFrameClock(&clock);
    // The first scripted frame still waits out a schedule the real clock set,
    // by as much as a loaded machine left of it: measure from the next one.
    runFrames(1);
    const std::int64_t startNs = clock.now;
    const long long ticksBefore = ticksRun();
    runFrames(120);
    const double seconds = static_cast<double>(clock.now - startNs) / 1e9;
    const long long ticks = ticksRun() - ticksBefore;
    EXPECT_NEAR(seconds, 2.0, 0.02) << "120 pictures at 60 a second";
    EXPECT_NEAR(static_cast<double>(ticks), 40.0, 1.0);

    clock.workNs = 80 * kMs;  // slower than a step: the game slows, it does not catch up
    const long long slowBefore = ticksRun();
    runFrames(20);
    useFrameClock(nullptr);
    EXPECT_EQ(ticksRun() - slowBefore, 20);
}

TEST(FrameLoop, FullScreenUsesTheScreenAndRestoresTheWindow) {
    startGameForTest();
    runFrames(2);
    glutPositionWindow(40, 30);
    glutReshapeWindow(420, 380);
    runFrames(3);
    const int x = glutGet(GLUT_WINDOW_X), y = glutGet(GLUT_WINDOW_Y);
    setFullScreen(true);
    runFrames(3);
    setFullScreen(true);  // a second request changes nothing
    runFrames(2);
    EXPECT_EQ(viewportWidth, glutGet(GLUT_SCREEN_WIDTH)) << "the view fills the screen";
    EXPECT_EQ(savedWindowRect[2], 420);

    setFullScreen(false);
    runFrames(5);
    EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 420);
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 380);
    EXPECT_EQ(glutGet(GLUT_WINDOW_X), x);
    EXPECT_EQ(glutGet(GLUT_WINDOW_Y), y);
}
