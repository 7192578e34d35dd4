// Milliseconds per frame of fixed scenes drawn by the real game in a real
// window (run it under Xvfb): World::draw plus the overlay, up to glFinish.
// The swap is left out of the timing, as the frame loop's budget leaves it out.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <vector>

#include "entities/capital_ship.h"
#include "entities/wave_set.h"
#include "frame_scenes.h"
#include "game_window.h"
#include "state/options.h"
#include "world/command_queue.h"

namespace {

double percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

// CPU time of the whole process, llvmpipe's rasterizer threads included: on a
// busy machine it shows the frame's work where the wall clock shows the queue.
double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_Frame(benchmark::State& state, FrameScene scene, int width, int height) {
    if (!resizeGameWindow(width, height)) {
        state.SkipWithError("the window could not be resized");
        return;
    }
    setUpScene(scene);
    drawSceneFrame(scene, width, height);  // first-use costs (lists, arrays) stay out
    glutSwapBuffers();
    std::vector<double> frameMs;
    using Clock = std::chrono::steady_clock;
    const double cpuStart = processCpuSeconds();
    for (auto _ : state) {
        const auto start = Clock::now();
        drawSceneFrame(scene, width, height);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        frameMs.push_back(seconds * 1000.0);
        glutSwapBuffers();
    }
    const double cpuMs = (processCpuSeconds() - cpuStart) * 1000.0;
    state.counters["cpu_ms"] = frameMs.empty() ? 0.0 : cpuMs / static_cast<double>(frameMs.size());
    state.counters["median_ms"] = percentile(frameMs, 0.5);
    state.counters["p99_ms"] = percentile(frameMs, 0.99);
}

// The real frame loop, paced by the real clock: the period of whole frames
// (work, pacing sleep and swap) as the player gets them, 50 ms when the work
// fits the budget.
void BM_PacedFramePeriod(benchmark::State& state) {
    runFrames(5);  // settle
    std::vector<double> periodMs;
    using Clock = std::chrono::steady_clock;
    auto last = Clock::now();
    for (auto _ : state) {
        runFrames(1);
        const auto now = Clock::now();
        const double seconds = std::chrono::duration<double>(now - last).count();
        last = now;
        state.SetIterationTime(seconds);
        periodMs.push_back(seconds * 1000.0);
    }
    state.counters["median_ms"] = percentile(periodMs, 0.5);
    state.counters["p99_ms"] = percentile(periodMs, 0.99);
}

// What the real loop did over a stretch of play: the times its pictures were
// finished (and those of the frames that ticked), each frame's work, and the
// CPU time it took.
struct LoopRun {
    std::vector<double> doneAtMs, tickedAtMs, workMs;
    double wallSeconds = 0.0, cpuSeconds = 0.0;
};

// Turns the real main loop until `seconds` of wall time or `ticks` ticks have
// passed, whichever is given (the other 0).
LoopRun runLoop(double seconds, long long ticks) {
    using Clock = std::chrono::steady_clock;
    LoopRun run;
    const auto start = Clock::now();
    const double cpuStart = processCpuSeconds();
    const long long ticksStart = ticksRun();
    long long seen = framesDrawn;
    for (;;) {
        mainLoopTurn();
        if (framesDrawn == seen) continue;
        seen = framesDrawn;
        const double sinceStart = std::chrono::duration<double>(Clock::now() - start).count();
        run.doneAtMs.push_back(sinceStart * 1000.0);
        run.workMs.push_back(static_cast<double>(lastFrameWorkNs) / 1e6);
        if (ticksRun() != ticksStart + static_cast<long long>(run.tickedAtMs.size())) run.tickedAtMs.push_back(sinceStart * 1000.0);
        if (seconds > 0.0 ? sinceStart >= seconds : ticksRun() - ticksStart >= ticks) break;
    }
    run.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpuSeconds = processCpuSeconds() - cpuStart;
    return run;
}

// The run's figures as the benchmark's counters, its wall time as its time.
void reportRun(benchmark::State& state, const LoopRun& run) {
    std::vector<double> intervalMs;
    for (size_t i = 1; i < run.doneAtMs.size(); ++i) intervalMs.push_back(run.doneAtMs[i] - run.doneAtMs[i - 1]);
    state.SetIterationTime(run.wallSeconds);
    auto& c = state.counters;
    c["pictures_per_s"] = static_cast<double>(run.doneAtMs.size()) / run.wallSeconds;
    // From the first tick to the last: a count over the whole run would be off
    // by up to a tick for where the run's ends fall.
    const auto& ticked = run.tickedAtMs;
    c["ticks_per_s"] = ticked.size() < 2 ? 0.0 : 1000.0 * static_cast<double>(ticked.size() - 1) / (ticked.back() - ticked.front());
    c["interval_median_ms"] = percentile(intervalMs, 0.5);
    c["interval_p99_ms"] = percentile(intervalMs, 0.99);
    c["interval_max_ms"] = percentile(intervalMs, 1.0);
    c["intervals_over_25ms"] = static_cast<double>(std::count_if(intervalMs.begin(), intervalMs.end(), [](double ms) { return ms > 25.0; }));
    c["work_median_ms"] = percentile(run.workMs, 0.5);
    c["work_p90_ms"] = percentile(run.workMs, 0.9);
    c["work_p99_ms"] = percentile(run.workMs, 0.99);
    c["cpu_share"] = run.cpuSeconds / run.wallSeconds;
}

// Smooth pictures capped at 60 a second, or the classic loop.
void usePacing(bool classic) {
    useClassicFrames(classic);
    useSmoothPacing(16666667);
}

// Play from the start of the level in the chase view, the ship unharmed so a
// run stays a battle: with `battle` fire and Left held (the ship rolls and
// fires all the time), else neither. No bolt or burst is left from the last
// benchmark: a capital ship's burst lives up to nine seconds.
void startPlay(bool battle) {
    queueKeyDown('3');
    if (gameState == 0) queueKeyDown(' ');  // leaves the title
    if (battle) {
        queueKeyDown(' ');
        queueSpecialDown(KeyLeft);
    } else {
        queueKeyUp(' ');
        queueSpecialUp(KeyLeft);
    }
    runGameTicks(1);
    World& world = *getWorld();
    world.restart();
    world.player->invincible = true;
    for (PlayerBolt& bolt : world.playerBolts) bolt.state = Inactive;
    for (EnemyBolt& bolt : world.enemyBolts) bolt.state = Inactive;
    for (Explosion& explosion : world.explosions) explosion.start(Vec3(), 0, 1.0f, 0, 0, 0);
}

constexpr double kBattleSeconds = 4.0;

void BM_Battle(benchmark::State& state, bool classic, bool fullScreen) {
    usePacing(classic);
    if (!resizeGameWindow(500, 500)) return state.SkipWithError("the window could not be resized");
    startPlay(true);
    setFullScreen(fullScreen);
    const int width = fullScreen ? glutGet(GLUT_SCREEN_WIDTH) : 500;
    for (int frames = 0; glutGet(GLUT_WINDOW_WIDTH) != width || viewportWidth != width; ++frames) {
        if (frames == 200) return state.SkipWithError("the window did not reach its size");
        runFrames(1);
    }
    runFrames(20);  // settle
    for (auto _ : state) reportRun(state, runLoop(kBattleSeconds, 0));
    state.counters["viewport_width"] = viewportWidth;
    setFullScreen(false);
    runFrames(5);
}

// Capital ships die in front of the camera: their shrink (eleven ticks) and
// their 4000-particle explosions. Times every frame of the first three seconds.
constexpr long long kDeathTicks = 60;

void BM_CapitalDeaths(benchmark::State& state, int ships, bool classic) {
    usePacing(classic);
    if (!resizeGameWindow(500, 500)) return state.SkipWithError("the window could not be resized");
    startPlay(false);
    World& world = *getWorld();
    const PlayerShip& player = *world.player;
    const Vec3 forward = player.getForward(), up = player.getUp();
    const Vec3 right(forward.y * up.z - forward.z * up.y, forward.z * up.x - forward.x * up.z,
                     forward.x * up.y - forward.y * up.x);
    for (int i = 0; i < ships; ++i) {
        const float side = ships == 1 ? 0.0f : (i == 0 ? -350.0f : 350.0f);
        world.waves->capitalShips[i]->setPosition(player.position + forward * 1100.0f + right * side);
    }
    runGameTicks(2);  // the ships' boxes follow them; pictures see them first
    for (auto _ : state) {
        for (int i = 0; i < ships; ++i) {
            CapitalShip& ship = *world.waves->capitalShips[i];
            ship.hitPoints = 1.0f;  // the next hit is the last
            PlayerBolt bolt;
            bolt.setPosition(ship.position);
            bolt.direction = forward;
            bolt.state = Active;
            if (!ship.hitByPlayerBolt(bolt)) return state.SkipWithError("the bolt missed the ship");
        }
        reportRun(state, runLoop(0.0, kDeathTicks));
    }
}

void registerLoops() {
    const auto add = [](const char* name, auto&&... args) {
        benchmark::RegisterBenchmark(name, args...)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
    };
    add("BM_Battle/smooth60/500x500", BM_Battle, false, false);
    add("BM_Battle/classic/500x500", BM_Battle, true, false);
    add("BM_Battle/smooth60/fullscreen", BM_Battle, false, true);
    add("BM_CapitalDeaths/one/smooth60", BM_CapitalDeaths, 1, false);
    add("BM_CapitalDeaths/one/classic", BM_CapitalDeaths, 1, true);
    add("BM_CapitalDeaths/two/smooth60", BM_CapitalDeaths, 2, false);
    add("BM_CapitalDeaths/two/classic", BM_CapitalDeaths, 2, true);
}

void registerScenes() {
    // First, while the window has the game's own size.
    benchmark::RegisterBenchmark("BM_PacedFramePeriod", BM_PacedFramePeriod)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(60);
    const FrameScene scenes[] = {FrameScene::Cockpit, FrameScene::ChaseGlow,
                                 FrameScene::Explosions, FrameScene::EnemyBolts,
                                 FrameScene::Title};
    const int sizes[][2] = {{500, 500}, {1280, 1024}};
    for (const auto& size : sizes) {
        for (FrameScene scene : scenes) {
            const std::string name = std::string("BM_Frame/") + frameSceneName(scene) + "/" +
                                     std::to_string(size[0]) + "x" + std::to_string(size[1]);
            benchmark::RegisterBenchmark(name.c_str(), BM_Frame, scene, size[0], size[1])
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(1.0);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    startGameForTest();
    registerScenes();
    registerLoops();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::exit(0);  // the game's atexit handlers release the mixer
}
