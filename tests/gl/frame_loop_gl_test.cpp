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
}  // namespace

// The real frame loop, paced by a scripted clock: every frame sleeps once,
// whatever is left of 50 ms after its work, truncated to whole milliseconds,
// and nothing once the work alone fills the budget.
TEST(FrameLoop, SleepsWhatIsLeftOfTheBudgetAfterEachFramesWork) {
    startGameForTest();
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
