#pragma once
#include <cstdint>
#include <optional>

#include "world/demo_format.h"

// Replays a recording into the game's world and overlay: the state its header
// holds, then each tick's commands queued and the tick run, its checkpoints
// compared with the replayed state as they pass.
// What happened in the replayed play, for a line of its summary.
struct DemoEvents {
    int deaths = 0;
    int wins = 0;
    int restarts = 0;
    int capitalShipsDestroyed = 0;
    int pointerShots = 0;  // clicks replayed (each fires only where the rules let it)
};

class DemoPlayback {
public:
    // Restores the demo's starting state. False when its snapshot is not one
    // the game can take (the world is then half written: rebuild it).
    bool begin(const Demo& demo);
    bool finished() const { return demo == nullptr || ticks >= demo->tickCount; }
    // Plays the next tick.
    void playTick();
    // After the last tick: the commands the recording applied before its end,
    // then the state hash its end record is compared with.
    std::uint64_t finish();

    std::uint64_t ticksPlayed() const { return ticks; }
    const DemoEvents& events() const { return seen; }
    // The first checkpoint the replay did not meet, with the hash it had.
    std::optional<DemoCheckpoint> firstMismatch;
    std::uint64_t mismatchHash = 0;
    // The last checkpoint met before any mismatch (0: none).
    std::uint64_t lastMatchedTick = 0;

private:
    void queueTickCommands(const std::vector<Command>& commands) const;
    void countEvents();

    const Demo* demo = nullptr;
    std::uint64_t ticks = 0;
    std::size_t nextBusy = 0;
    std::size_t nextCheck = 0;
    DemoEvents seen;
    bool wasOver = false;
    bool wasWon = false;
    int capitalShipsDown = 0;
};
