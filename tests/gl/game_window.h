#pragma once
#include <GL/freeglut.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include <optional>

#include "app/display_pacing.h"
#include "app/frame_loop.h"
#include "app/startup.h"
#include "world/game_tick.h"

// Starts the real game in this process: its data folder as the working
// directory, silent audio unless told otherwise, the full start-up. Each GL
// test runs in a process of its own.
inline void startGameForTest(const char* audioDriver = "dummy") {
    setenv("SDL_AUDIODRIVER", audioDriver, 1);
    if (chdir(VELTRANE_DATA_DIR) != 0) std::abort();
    static char name[] = "veltrane";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    startUp(argc, argv);
    // Pictures paced as the game paces them by default.
    useClassicFrames(false);
    useSmoothPacing(chooseDisplayPacing(std::nullopt).picturePeriodNs);
}

// One turn of GLUT's main loop: pending events, then the idle callback,
// which glutMainLoop would call and glutMainLoopEvent does not.
inline void mainLoopTurn() {
    glutMainLoopEvent();
    idleFrame();
}

// Runs the main loop until `frames` more frames have been drawn.
inline void runFrames(long long frames) {
    const long long target = framesDrawn + frames;
    while (framesDrawn < target) mainLoopTurn();
}

// Runs the main loop until `ticks` more ticks have run, each with the picture
// drawn right after it.
inline void runGameTicks(long long ticks) {
    const long long target = ticksRun() + ticks;
    while (ticksRun() < target) mainLoopTurn();
}

// The time each of the next `frames` frames completed, in seconds.
inline std::vector<double> frameEndTimes(int frames) {
    std::vector<double> times;
    using Clock = std::chrono::steady_clock;
    const auto origin = Clock::now();
    long long seen = framesDrawn;
    while (static_cast<int>(times.size()) < frames) {
        mainLoopTurn();
        if (framesDrawn != seen) {
            seen = framesDrawn;
            times.push_back(std::chrono::duration<double>(Clock::now() - origin).count());
        }
    }
    return times;
}
