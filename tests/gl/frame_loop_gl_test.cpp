#include <gtest/gtest.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "app/options.h"
#include "game_window.h"

namespace {
// The game's own thread: the renderer's worker threads draw the title scene,
// which is not the frame loop's waiting.
double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}
}  // namespace

TEST(FrameLoop, OpensTheWindowAndPacesFramesAtFiftyMilliseconds) {
    const auto start = std::chrono::steady_clock::now();
    startGameForTest();
    runFrames(1);
    const double startUpSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Reported, not asserted: a timing depends on the machine's load.
    std::printf("start-up to the first frame: %.0f ms\n", startUpSeconds * 1000.0);

    EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 500);
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 500);
    EXPECT_EQ(glutGet(GLUT_WINDOW_DOUBLEBUFFER), 1);
    EXPECT_GT(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
    EXPECT_GT(glutGet(GLUT_WINDOW_STENCIL_SIZE), 0);

    runFrames(5);  // settle
    const double cpuBefore = threadCpuSeconds();
    const std::vector<double> ends = frameEndTimes(61);
    const double cpuUsed = threadCpuSeconds() - cpuBefore;
    const double wall = ends.back();

    std::vector<double> periods;
    for (size_t i = 1; i < ends.size(); ++i) periods.push_back((ends[i] - ends[i - 1]) * 1000.0);
    std::sort(periods.begin(), periods.end());
    const double median = periods[periods.size() / 2];
    std::printf("median frame period %.2f ms, game thread CPU %.1f %% of one core\n", median,
                100.0 * cpuUsed / wall);
    EXPECT_GE(median, 50.0);
    EXPECT_LT(median, 55.0);
    // Sleeping, not spinning, between frames.
    EXPECT_LT(cpuUsed / wall, 0.10);
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
    EXPECT_EQ(viewportWidth, glutGet(GLUT_SCREEN_WIDTH));
    EXPECT_EQ(viewportHeight, glutGet(GLUT_SCREEN_HEIGHT));
    EXPECT_EQ(savedWindowRect[2], 420);
    EXPECT_EQ(savedWindowRect[3], 380);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], glutGet(GLUT_SCREEN_WIDTH));

    // A second request has no further effect.
    setFullScreen(true);
    runFrames(2);
    EXPECT_EQ(savedWindowRect[2], 420);

    setFullScreen(false);
    runFrames(5);
    EXPECT_EQ(viewportWidth, 500);
    EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 420);
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 380);
    EXPECT_EQ(glutGet(GLUT_WINDOW_X), x);
    EXPECT_EQ(glutGet(GLUT_WINDOW_Y), y);
}
