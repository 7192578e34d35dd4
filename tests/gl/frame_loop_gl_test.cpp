#include <gtest/gtest.h>
#include <time.h>

#include <algorithm>
#include <cstdio>

#include "game_window.h"
#include "state/options.h"

TEST(FrameLoop, OpensTheWindowAndPacesFramesAtFiftyMilliseconds) {
    startGameForTest();
    runFrames(1);
    EXPECT_TRUE(glutGet(GLUT_WINDOW_DOUBLEBUFFER) && glutGet(GLUT_WINDOW_DEPTH_SIZE) && glutGet(GLUT_WINDOW_STENCIL_SIZE));

    // The game's own thread: the renderer's worker threads draw the title scene, which is not the loop's waiting.
    runFrames(5);  // settle
    timespec cpu[2] = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu[0]);
    const std::vector<double> ends = frameEndTimes(61);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu[1]);
    const double cpuShare = (static_cast<double>(cpu[1].tv_sec - cpu[0].tv_sec) + (cpu[1].tv_nsec - cpu[0].tv_nsec) * 1e-9) / ends.back();
    std::vector<double> periods;
    for (size_t i = 1; i < ends.size(); ++i) periods.push_back((ends[i] - ends[i - 1]) * 1000.0);
    std::sort(periods.begin(), periods.end());
    const double median = periods[periods.size() / 2];
    std::printf("median frame period %.2f ms, game thread CPU %.1f %% of one core\n", median, 100.0 * cpuShare);
    EXPECT_GE(median, 50.0);
    EXPECT_LT(median, 55.0);
    EXPECT_LT(cpuShare, 0.10) << "sleeping, not spinning, between frames";
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
