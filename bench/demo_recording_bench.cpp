// What recording a game costs a tick: the same play, with commands in most
// ticks, run with no recording and with both the session's and the last
// game's recordings on (a checkpoint's state hash every 1,000 ticks included).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "entities/game_random.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "world/command_queue.h"
#include "world/demo_recording.h"
#include "world/game_tick.h"
#include "world/input_commands.h"
#include "world/world.h"
#include "world/world_options.h"

namespace {
void BM_TickRecording(benchmark::State& state) {
    const bool recording = state.range(0) != 0;
    const std::string session = "/tmp/veltrane-bench-session.vdemo";
    const std::string lastGame = "/tmp/veltrane-bench-last.vdemo";
    seedGameRandom(1);
    createWorld(WorldImages::Skip);
    createOverlay();
    resetOptions();
    resetInput();
    recordGamesTo(recording ? session : "");
    recordLastGameTo(recording ? lastGame : "");
    queueKeyDown(' ');
    queueKeyDown('i');  // invincible: the game goes on for as long as it is timed
    runTick();
    long long tick = 0;
    for (auto _ : state) {
        // A player's hands: an arrow and fire pressed and let go in turn.
        const int arrow = tick % 40 < 20 ? KeyLeft : KeyUp;
        if (tick % 7 == 0) queueSpecialDown(arrow);
        if (tick % 7 == 3) queueSpecialUp(arrow);
        if (tick % 5 == 0) queueKeyDown(' ');
        if (tick % 5 == 2) queueKeyUp(' ');
        runTick();
        ++tick;
    }
    finishRecordings();
    recordGamesTo("");
    recordLastGameTo("");
    std::remove(session.c_str());
    std::remove(lastGame.c_str());
    std::remove((lastGame + ".part").c_str());
    destroyOverlay();
    destroyWorld();
}
BENCHMARK(BM_TickRecording)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}  // namespace
