// The soak: the real game in a real window, driven flat out by seeded random input. It prints the
// run's folded World hash and fails when memory grew after the first minute (resident memory; under
// AddressSanitizer the bytes held allocated) or, under the sanitizers, on a leak.
//   soak --data DIR [--steps N] [--seed S]
#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/frame_loop.h"
#include "app/input.h"
#include "app/quit_signals.h"
#include "app/startup.h"
#include "entities/wave_set.h"
#include "state/options.h"
#include "world/world.h"

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

// FNV-1a over each field's bytes, field by field so that padding never reaches the digest.
struct Digest {
    std::uint64_t value = 0xcbf29ce484222325ull;
    void bytes(const void* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            value = (value ^ static_cast<const unsigned char*>(data)[i]) * 0x100000001b3ull;
        }
    }
    void one(int v) { bytes(&v, sizeof v); }  // flags and states too
    void one(float v) { bytes(&v, sizeof v); }
    void one(const Vec3& v) { add(v.x, v.y, v.z); }
    template <class... T> void add(const T&... v) { (one(v), ...); }
};

// Everything a step changes: flags, the ship, every pool slot, every enemy, the ring indices.
std::uint64_t hashWorld(const World& w) {
    Digest d;
    const PlayerShip& ship = *w.player;
    d.add(w.score, w.gameOver, w.paused, w.won, w.victoryMusicStarted, w.battleMusicStarted,
          w.glowLevel, ship.state, ship.position, ship.forward, ship.up, ship.right, ship.health,
          ship.fireCooldown, ship.invincible, w.nextPlayerBolt);
    for (const Bolt& b : w.playerBolts) d.add(b.state, b.position, b.direction, b.hold);
    d.add(w.nextEnemyBolt);
    for (const Bolt& b : w.enemyBolts) d.add(b.state, b.position, b.direction, b.hold);
    d.add(w.nextExplosion);
    for (const Explosion& e : w.explosions) {
        d.add(e.state, e.position);
        for (const auto& p : e.particles) d.add(p->state, p->position, p->life, p->alpha);
    }
    for (const EngineTrail& t : w.trails) {
        d.add(t.nextParticle);
        for (const Particle& p : t.particles) d.add(p.state, p.position, p.life, p.alpha);
    }
    d.add(w.waves->enemiesLeft);
    for (const auto& c : w.waves->capitalShips) {
        d.add(c->state, c->position, c->hitPoints, c->hitFlash, c->scale);
        for (int timer : c->gunTimers) d.add(timer);
    }
    for (const auto& block : w.waves->blocks) {
        d.add(block->hue, block->hitCount);
        for (const Turret& t : block->turrets) d.add(t.state, t.position, t.cooldown, t.aim);
    }
    return d.value;
}

// A restless player through the handlers the GLUT callbacks call; never 'q'. Its own generator
// leaves the game's rand() sequence alone.
class RandomInput {
public:
    explicit RandomInput(unsigned seed) : generator(seed) {}

    void sendStepEvents(int width, int height) {
        if (chance(0.05)) {  // fire held for about a second
            fireHeld = !fireHeld;
            fireHeld ? handleKeyDown(' ') : handleKeyUp(' ');
        }
        constexpr int kArrows[4] = {KeyUp, KeyDown, KeyLeft, KeyRight};
        for (int i = 0; i < 4; ++i) {
            if (!chance(0.06)) continue;
            arrowHeld[i] = !arrowHeld[i];
            arrowHeld[i] ? handleSpecialDown(kArrows[i]) : handleSpecialUp(kArrows[i]);
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
            handleSpecialDown(KeyF1);
            handleSpecialUp(KeyF1);
        }
        if (chance(world.paused ? 0.03 : 0.003)) tap('p');  // pauses long enough to walk the menu
        if (chance(0.0008)) tap('\\');
        // 'r' soon after a game ends, and now and then in play, where it must do nothing.
        if (chance(world.gameOver || world.won ? 0.02 : 0.001)) tap('r');

        if (buttonHeld) {
            handleMouseButton(true, false, below(width), below(height));
            buttonHeld = false;
        }
        if (chance(0.2)) handlePointerMotion(below(width), below(height));
        if (chance(0.03)) {
            buttonHeld = below(4) != 0;  // mostly the left button; the right one must do nothing
            handleMouseButton(buttonHeld, true, below(width), below(height));
            if (!buttonHeld) handleMouseButton(false, false, 0, 0);
        }
    }

private:
    bool chance(double probability) { return generator() < probability * 4294967296.0; }
    int below(int limit) { return static_cast<int>(generator() % static_cast<unsigned>(limit)); }
    static void tap(unsigned char key) { handleKeyDown(key); handleKeyUp(key); }

    std::mt19937 generator;
    bool fireHeld = false, arrowHeld[4] = {}, buttonHeld = false;
};

// Pending window events, then one frame as the display callback draws it, without its pacing sleep.
void runOneFrame() {
    glutMainLoopEvent();
    runFrameWork();
    glutSwapBuffers();
    framesDrawn += 1;
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
    bool usage = argc % 2 == 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--data") dataDir = value;
        else if (name == "--steps") steps = std::atol(value);
        else if (name == "--seed") seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else usage = true;
    }
    if (usage || dataDir == nullptr || steps <= kStepsPerMinute) {
        std::fprintf(stderr, "usage: soak --data DIR [--steps N > %ld] [--seed S]\n", kStepsPerMinute);
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
    // Start-up seeds rand() from the clock: rebuild the world from the soak's seed to replay it.
    std::srand(seed);
    createWorld()->loadTextures();

    RandomInput input(seed);
    std::uint64_t runHash = 0;
    long deaths = 0, wins = 0, restarts = 0;
    bool wasOver = false, wasWon = false;
    // A minute after the first one against as many last steps (fewer in a short run).
    const long window = std::min(kStepsPerMinute, (steps - kStepsPerMinute) / 2);
    long minuteOneKb = LONG_MAX, atEndKb = LONG_MAX;
    for (long step = 1; step <= steps; ++step) {
        input.sendStepEvents(viewportWidth, viewportHeight);
        runOneFrame();
        const World& world = *getWorld();
        // Order matters: a swapped pair of steps folds differently.
        runHash = (runHash ^ hashWorld(world)) * 0x9e3779b97f4a7c15ull + (runHash >> 29);
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
    // A run that ends in full screen still gets a windowed figure: one frame asks, the next draws.
    setFullScreen(false);
    for (int frame = 0; frame < 2; ++frame) runOneFrame();
    sampleFloor(atEndKb);
    const long growthKb = atEndKb - minuteOneKb;
    std::printf("seed %u, %ld steps: deaths %ld, wins %ld, restarts %ld\n", seed, steps, deaths, wins, restarts);
    std::printf("lowest memory, steps %ld-%ld: %ld kB; steps %ld-%ld: %ld kB; growth %ld kB\n", kStepsPerMinute + 1,
                kStepsPerMinute + window, minuteOneKb, steps - window + 1, steps, atEndKb, growthKb);
    std::printf("final hash %016llx\n", static_cast<unsigned long long>(runHash));
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
