// The soak: the real game in a real window, driven flat out by seeded random
// input for a given number of steps. It prints the run's folded state hash
// and the memory just after the first minute and at the end, and fails when
// the memory grew by more than the limit after that minute (resident memory;
// the bytes held allocated under AddressSanitizer). Under the sanitizers it also
// checks for leaks before it exits.
//
//   soak --data DIR [--steps N] [--seed S] [--max-growth-kb K]
#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/frame_loop.h"
#include "app/quit_signals.h"
#include "app/startup.h"
#include "random_input.h"
#include "resident_memory.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/world.h"
#include "world_hash.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {
constexpr long kStepsPerMinute = 1200;  // 20 steps a second
constexpr long kReportEvery = 6000;     // five minutes of play

struct Settings {
    const char* dataDir = nullptr;
    long steps = 72000;
    unsigned seed = 1;
    long maxGrowthKb = 1024;
};

bool parseArguments(int argc, char** argv, Settings& settings) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--data") {
            settings.dataDir = value;
        } else if (name == "--steps") {
            settings.steps = std::atol(value);
        } else if (name == "--seed") {
            settings.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        } else if (name == "--max-growth-kb") {
            settings.maxGrowthKb = std::atol(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && settings.dataDir != nullptr && settings.steps > kStepsPerMinute;
}

// GLUT may still ask for a redisplay (an expose, a resize); the soak draws
// its frames itself, so those requests must not add steps of their own.
void drawNothing() {}

// Pending window events, then one frame as the display callback draws it,
// without its pacing sleep.
void runOneFrame() {
    glutMainLoopEvent();
    runFrameWork();
    glutSwapBuffers();
    framesDrawn += 1;
}

// The lowest memory seen over a stretch of steps in the window (full screen
// holds the GL's buffers for the bigger picture): buffers that come and go
// within a frame do not count, a steady growth does.
struct MemoryFloor {
    long residentKb = LONG_MAX;
    long checkedKb = LONG_MAX;

    void sample() {
        if (fullScreenApplied) return;
        residentKb = std::min(residentKb, ::residentKb());
        checkedKb = std::min(checkedKb, checkedMemoryKb());
    }
};

// Time spent in each state, and the game's own events, to show what the run covered.
struct Coverage {
    long title = 0, running = 0, paused = 0, ended = 0, fullScreen = 0, wireframe = 0;
    long nebula = 0, chaseView = 0, inverted = 0, invincible = 0;
    long deaths = 0, wins = 0, restarts = 0;
    bool wasOver = false, wasWon = false;

    void record(const World& world) {
        if (gameState == 0) title += 1;
        if (gameState == 1 && !world.paused && !world.gameOver && !world.won) running += 1;
        paused += world.paused;
        ended += world.gameOver || world.won;
        fullScreen += optFullScreen;
        wireframe += ::wireframe;
        nebula += optNebula;
        chaseView += !optView;
        inverted += optInvert;
        invincible += world.player->invincible;
        deaths += world.gameOver && !wasOver;
        wins += world.won && !wasWon;
        restarts += (wasOver || wasWon) && !world.gameOver && !world.won;
        wasOver = world.gameOver;
        wasWon = world.won;
    }
};

void printCoverage(const Coverage& c, const RandomInput::Counts& sent) {
    std::printf("steps on the title screen %ld, running %ld, paused %ld, after a game's end %ld\n",
                c.title, c.running, c.paused, c.ended);
    std::printf("steps with full screen %ld, wireframe %ld, nebula %ld, chase view %ld, "
                "inverted %ld, invincible %ld\n",
                c.fullScreen, c.wireframe, c.nebula, c.chaseView, c.inverted, c.invincible);
    std::printf("deaths %ld, wins %ld, restarts %ld\n", c.deaths, c.wins, c.restarts);
    std::printf("sent: key taps %ld (F1 %ld, p %ld, \\ %ld, r %ld), clicks %ld (%ld fired)\n",
                sent.keyTaps + sent.fullScreenTaps, sent.fullScreenTaps, sent.pauseTaps,
                sent.skipTaps, sent.restartTaps, sent.clicks, sent.clickBolts);
}
}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (!parseArguments(argc, argv, settings)) {
        std::fprintf(stderr,
                     "usage: soak --data DIR [--steps N > %ld] [--seed S] [--max-growth-kb K]\n",
                     kStepsPerMinute);
        return 2;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(settings.dataDir) != 0) {
        std::perror(settings.dataDir);
        return 2;
    }
    // GLUT gets only the program's name: the soak's options are not its.
    int glutArgc = 1;
    startUp(glutArgc, argv);
    glutDisplayFunc(drawNothing);
    // Start-up seeds rand() from the clock and builds the world with it:
    // build it again from the soak's seed so the run can be replayed.
    std::srand(settings.seed);
    createWorld()->loadTextures();

    RandomInput input(settings.seed);
    Coverage coverage;
    std::uint64_t runHash = 0;
    // The first minute's floor is taken over the steps after it, the end's
    // over as many last steps: a minute each in a long run.
    const long window = std::min(kStepsPerMinute, (settings.steps - kStepsPerMinute) / 2);
    MemoryFloor afterMinuteOne;
    MemoryFloor atEnd;
    const auto start = std::chrono::steady_clock::now();
    for (long step = 1; step <= settings.steps; ++step) {
        input.sendStepEvents(viewportWidth, viewportHeight);
        runOneFrame();

        const World& world = *getWorld();
        runHash = foldHash(runHash, hashWorld(world));
        coverage.record(world);
        if (step > kStepsPerMinute && step <= kStepsPerMinute + window) afterMinuteOne.sample();
        if (step > settings.steps - window) atEnd.sample();
        if (step % kReportEvery == 0) {
            std::printf("step %ld: resident %ld kB, allocated %ld kB, hash %016llx\n", step,
                        residentKb(), kChecksAllocatedMemory ? checkedMemoryKb() : -1L,
                        static_cast<unsigned long long>(runHash));
            std::fflush(stdout);
        }
        if (quitSignal() != 0) {
            std::printf("stopped by signal %d at step %ld\n", quitSignal(), step);
            return 1;
        }
    }
    // A run that ends in full screen gets one figure in the window: one frame
    // asks for it, the next draws at its size. The run's hash is complete.
    setFullScreen(false);
    for (int frame = 0; frame < 2; ++frame) runOneFrame();
    atEnd.sample();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long growthKb = atEnd.checkedKb - afterMinuteOne.checkedKb;

    printCoverage(coverage, input.counts());
    std::printf("seed %u: %ld steps in %.1f s (%.1f steps/s)\n", settings.seed, settings.steps,
                seconds, settings.steps / seconds);
    std::printf("lowest resident memory over steps %ld-%ld: %ld kB; over steps %ld-%ld: %ld kB; "
                "growth %ld kB\n",
                kStepsPerMinute + 1, kStepsPerMinute + window, afterMinuteOne.residentKb,
                settings.steps - window + 1, settings.steps, atEnd.residentKb,
                atEnd.residentKb - afterMinuteOne.residentKb);
    if (kChecksAllocatedMemory) {
        std::printf("lowest allocated memory over the same steps: %ld kB and %ld kB; growth %ld kB\n",
                    afterMinuteOne.checkedKb, atEnd.checkedKb, growthKb);
    }
    std::printf("final hash %016llx\n", static_cast<unsigned long long>(runHash));
    std::fflush(stdout);
#if defined(__SANITIZE_ADDRESS__)
    // Checked now, while the GL driver is still loaded: at exit it is gone,
    // and what it holds could no longer be told from a leak of ours.
    __lsan_do_leak_check();
#endif
    if (afterMinuteOne.checkedKb == LONG_MAX || growthKb >= settings.maxGrowthKb) {
        std::printf("FAIL: %s memory grew by %ld kB after the first minute (limit %ld kB)\n",
                    kChecksAllocatedMemory ? "allocated" : "resident", growthKb,
                    settings.maxGrowthKb);
        return 1;
    }
    return 0;
}
