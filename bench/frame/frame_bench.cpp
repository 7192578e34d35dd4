// Milliseconds per frame of fixed scenes drawn by the real game in a real
// window (run it under Xvfb): World::draw plus the overlay, up to glFinish.
// The swap is left out of the timing, as the frame loop's budget leaves it out.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <vector>

#include "frame_scenes.h"
#include "game_window.h"

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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::exit(0);  // the game's atexit handlers release the mixer
}
