// The soak: the real game in a real window, driven flat out by seeded random input, as commands
// like the window's input, with a given number of pictures after each tick. It prints the run's folded
// hashes of the world's step and of all the tick owns, and fails when memory grew after the first
// minute (resident memory; under AddressSanitizer the bytes held allocated) or, under the
// sanitizers, on a leak.
//   soak --data DIR [--steps N] [--seed S] [--pictures P] [--trace 1] [--record FILE] [--last-game FILE]
// --trace 1 prints every step's hash as well, to find the first step at which two runs part.
// --record records the run from its first game's start, --last-game its last game alone, as the
// game records them, for the game's --verifydemo to replay.
#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/frame_loop.h"
#include "app/pointer_fire.h"
#include "app/picture.h"
#include "app/quit_signals.h"
#include "app/startup.h"
#include "entities/game_random.h"
#include "world/state_hash.h"
#include "world/command_queue.h"
#include "world/demo_recording.h"
#include "world/game_tick.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();  // GCC ships no header for it
#endif

namespace {
constexpr long kStepsPerMinute = 1200;  // 20 steps a second
constexpr long kMaxGrowthKb = 1024;

// ASan's quarantine swings resident memory by a hundred megabytes: it is judged by allocated bytes.
long memoryKb() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    long sizePages = 0, residentPages = 0;
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    const bool read = file != nullptr && std::fscanf(file, "%ld %ld", &sizePages, &residentPages) == 2;
    if (file != nullptr) std::fclose(file);
    // Unreadable fails the check.
    return read ? residentPages * (sysconf(_SC_PAGESIZE) / 1024) : LONG_MAX;
#endif
}

// The line under (x, y) through the camera the last tick left, as the picture at fraction 1 shows it.
PointerRay rayThroughTickCamera(int x, int y, int width, int height) {
    glViewport(0, 0, width, height);
    renderViewportWidth = width;
    renderViewportHeight = height;
    return pointerRay(x, y, setWorldView(currentWorldPicture(1.0f)));
}

// A restless player, as commands in the order they come; never 'q'. A click is a ray through the
// camera of the last tick, the picture a player would have seen at fraction 1, so it needs no
// picture drawn. The player reacts to what its keys did ('r' comes soon after the game ends, also
// by '\\'), so each command is applied as it comes: between the last tick and the next nothing
// else runs, so that is where the tick would apply it. Its own generator leaves the game's random
// sequence alone.
class RandomInput {
public:
    explicit RandomInput(unsigned seed) : generator(seed) {}

    void sendStepEvents(int windowWidth, int windowHeight) {
        width = windowWidth;
        height = windowHeight;
        if (chance(0.05)) {  // fire held for about a second
            fireHeld = !fireHeld;
            fireHeld ? queueKeyDown(' ') : queueKeyUp(' ');
            applyQueuedCommands();
        }
        constexpr int kArrows[4] = {KeyUp, KeyDown, KeyLeft, KeyRight};
        for (int i = 0; i < 4; ++i) {
            if (!chance(0.06)) continue;
            arrowHeld[i] = !arrowHeld[i];
            arrowHeld[i] ? queueSpecialDown(kArrows[i]) : queueSpecialUp(kArrows[i]);
            applyQueuedCommands();
        }
        const World& world = *getWorld();
        // Every option key; 'x' and 'Q' must do nothing.
        constexpr struct { unsigned char key; double chance; } kOptionTaps[] = {
            {'0', 0.002}, {'2', 0.004}, {'3', 0.004}, {'c', 0.002},
            {'f', 0.003}, {'i', 0.002}, {'x', 0.001}, {'Q', 0.001}};
        for (const auto& option : kOptionTaps) {
            if (chance(option.chance)) tap(option.key);
        }
        // Full screen draws five times the pixels: left sooner than entered. F1 acts on release.
        if (chance(optFullScreen ? 0.02 : 0.001)) {
            queueSpecialDown(KeyF1);
            queueSpecialUp(KeyF1);
            applyQueuedCommands();
        }
        if (chance(world.paused ? 0.03 : 0.003)) tap('p');  // pauses long enough to walk the menu
        if (chance(0.0008)) tap('\\');
        // 'r' soon after a game ends, and now and then in play, where it must do nothing.
        if (chance(world.gameOver || world.won ? 0.02 : 0.001)) tap('r');

        // Positions are drawn as they always were, in calls of the same shape, so the generator's
        // sequence and which coordinate takes which number stay the same.
        if (buttonHeld) {
            mouse(true, false, below(width), below(height));
            buttonHeld = false;
        }
        if (chance(0.2)) mouse(false, false, below(width), below(height));  // a move: the cross-hair only
        if (chance(0.03)) {
            buttonHeld = below(4) != 0;  // mostly the left button; the right one does nothing
            mouse(buttonHeld, true, below(width), below(height));
        }
    }

private:
    bool chance(double probability) { return generator() < probability * 4294967296.0; }
    int below(int limit) { return static_cast<int>(generator() % static_cast<unsigned>(limit)); }
    static void tap(unsigned char key) {
        queueKeyDown(key);
        queueKeyUp(key);
        applyQueuedCommands();
    }
    // A left press becomes a shot along the line under the pointer.
    void mouse(bool leftButton, bool pressed, int x, int y) {
        if (leftButton && pressed) queueFireAlong(rayThroughTickCamera(x, y, width, height));
        applyQueuedCommands();
    }

    std::mt19937 generator;
    bool fireHeld = false, arrowHeld[4] = {}, buttonHeld = false;
    int width = 1, height = 1;
};

// Pending window events, the window's size, one tick, then `pictures` pictures spread over the
// step up to fraction 1, without any pacing sleep.
void runOneTick(int pictures) {
    glutMainLoopEvent();
    const bool wasFullScreen = fullScreenApplied;
    syncFullScreen();
    // Input positions and aim follow the window's size: after a switch, wait
    // (ten seconds at most) for the X server to apply it, so that how fast the
    // ticks run never decides the size the next ones see.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (fullScreenApplied != wasFullScreen && std::chrono::steady_clock::now() < deadline &&
           (glutGet(GLUT_WINDOW_WIDTH) != viewportWidth || glutGet(GLUT_WINDOW_HEIGHT) != viewportHeight)) {
        glutMainLoopEvent();
    }
    runTick();
    for (int k = 1; k <= pictures; ++k) {
        drawPicture(static_cast<float>(k) / static_cast<float>(pictures));
        glFinish();
        glutSwapBuffers();
        framesDrawn += 1;
    }
}

// The lowest memory over windowed steps (full screen holds bigger GL buffers): within-frame
// buffers do not count, a steady growth does.
void sampleFloor(long& floorKb) {
    if (!fullScreenApplied) floorKb = std::min(floorKb, memoryKb());
}
}  // namespace

int main(int argc, char** argv) {
    const char* dataDir = nullptr;
    long steps = 72000;
    unsigned seed = 1;
    int pictures = 1;
    bool trace = false;
    bool usage = argc % 2 == 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--data") dataDir = value;
        else if (name == "--steps") steps = std::atol(value);
        else if (name == "--seed") seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else if (name == "--pictures") pictures = std::atoi(value);
        else if (name == "--trace") trace = std::string(value) == "1";
        else if (name == "--record") recordGamesTo(value);
        else if (name == "--last-game") recordLastGameTo(value);
        else usage = true;
    }
    if (usage || dataDir == nullptr || steps <= kStepsPerMinute || pictures < 0) {
        std::fprintf(stderr, "usage: soak --data DIR [--steps N > %ld] [--seed S] [--pictures P >= 0] [--trace 1]\n", kStepsPerMinute);
        return 2;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(dataDir) != 0) {
        std::perror(dataDir);
        return 2;
    }
    int glutArgc = 1;  // the soak's options are not GLUT's
    startUp(glutArgc, argv);
    glutDisplayFunc([] {});  // an expose or resize must not add a step of its own
    // Start-up seeded the game's generator from the clock: rebuild the world from the soak's seed.
    seedGameRandom(seed);
    createWorld()->loadTextures();

    RandomInput input(seed);
    std::uint64_t runHash = 0;
    std::uint64_t tickHash = 0;
    long deaths = 0, wins = 0, restarts = 0;
    bool wasOver = false, wasWon = false;
    // A minute after the first one against as many last steps (fewer in a short run).
    const long window = std::min(kStepsPerMinute, (steps - kStepsPerMinute) / 2);
    long minuteOneKb = LONG_MAX, atEndKb = LONG_MAX;
    for (long step = 1; step <= steps; ++step) {
        input.sendStepEvents(viewportWidth, viewportHeight);
        runOneTick(pictures);
        const World& world = *getWorld();
        // Order matters: a swapped pair of steps folds differently.
        runHash = (runHash ^ worldStepHash(world)) * 0x9e3779b97f4a7c15ull + (runHash >> 29);
        if (trace) std::printf("step %ld hash %016llx\n", step, static_cast<unsigned long long>(worldStepHash(world)));
        tickHash = (tickHash ^ tickStateHash(world, *getOverlay())) * 0x9e3779b97f4a7c15ull + (tickHash >> 29);
        deaths += world.gameOver && !wasOver;
        wins += world.won && !wasWon;
        restarts += (wasOver || wasWon) && !world.gameOver && !world.won;
        wasOver = world.gameOver;
        wasWon = world.won;
        if (step > kStepsPerMinute && step <= kStepsPerMinute + window) sampleFloor(minuteOneKb);
        if (step > steps - window) sampleFloor(atEndKb);
        if (step % 6000 == 0) std::printf("step %ld: memory %ld kB\n", step, memoryKb());
        if (quitSignal() != 0) {
            std::printf("stopped by signal %d at step %ld\n", quitSignal(), step);
            return 1;
        }
    }
    finishRecordings();
    // A run that ends in full screen still gets a windowed figure: one frame asks, the next draws.
    setFullScreen(false);
    for (int frame = 0; frame < 2; ++frame) runOneTick(1);
    sampleFloor(atEndKb);
    const long growthKb = atEndKb - minuteOneKb;
    std::printf("seed %u, %ld steps: deaths %ld, wins %ld, restarts %ld\n", seed, steps, deaths, wins, restarts);
    std::printf("lowest memory, steps %ld-%ld: %ld kB; steps %ld-%ld: %ld kB; growth %ld kB\n", kStepsPerMinute + 1,
                kStepsPerMinute + window, minuteOneKb, steps - window + 1, steps, atEndKb, growthKb);
    std::printf("final hash %016llx\n", static_cast<unsigned long long>(runHash));
    std::printf("final tick hash %016llx\n", static_cast<unsigned long long>(tickHash));
    std::fflush(stdout);
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();  // now, while the GL driver and the memory it holds are still loaded
#endif
    if (minuteOneKb == LONG_MAX || growthKb >= kMaxGrowthKb) {
        std::printf("FAIL: memory grew by %ld kB after the first minute (limit %ld kB)\n", growthKb, kMaxGrowthKb);
        return 1;
    }
    return 0;
}
