#include "world/demo_playback.h"

#include "entities/wave_set.h"
#include "gfx/overlay.h"
#include "world/game_snapshot.h"
#include "world/game_tick.h"
#include "world/state_hash.h"
#include "world/world.h"

bool DemoPlayback::begin(const Demo& recording) {
    demo = nullptr;
    ByteReader in(recording.header.snapshot.data(), recording.header.snapshot.size());
    if (!readGameSnapshot(in, *getWorld(), *getOverlay()) || !in.atEnd()) return false;
    setGameRandomState(recording.header.random);
    clearQueuedCommands();
    demo = &recording;
    ticks = 0;
    nextBusy = 0;
    nextCheck = 0;
    firstMismatch.reset();
    lastMatchedTick = 0;
    seen = DemoEvents{};
    capitalShipsDown = -1;
    countEvents();
    return true;
}

namespace {
int capitalShipsDestroyed(const World& world) {
    int down = 0;
    for (const auto& ship : world.waves->capitalShips) down += ship->state != Active ? 1 : 0;
    return down;
}
}  // namespace

// Edges of the game's flags after each tick; the first call only notes them.
void DemoPlayback::countEvents() {
    const World& world = *getWorld();
    const int down = capitalShipsDestroyed(world);
    if (capitalShipsDown >= 0) {
        seen.deaths += world.gameOver && !wasOver ? 1 : 0;
        seen.wins += world.won && !wasWon ? 1 : 0;
        seen.restarts += (wasOver || wasWon) && !world.gameOver && !world.won ? 1 : 0;
        seen.capitalShipsDestroyed += down > capitalShipsDown ? down - capitalShipsDown : 0;
    }
    wasOver = world.gameOver;
    wasWon = world.won;
    capitalShipsDown = down;
}

// 'q' would end the program: a replay never lets it act.
void DemoPlayback::queueTickCommands(const std::vector<Command>& commands) const {
    for (const Command& command : commands) {
        if (command.kind == CommandKind::KeyDown && command.code == 'q') continue;
        queueCommand(command);
    }
}

void DemoPlayback::playTick() {
    if (finished()) return;
    ticks += 1;
    if (nextBusy < demo->busyTicks.size() && demo->busyTicks[nextBusy].tick == ticks) {
        for (const Command& command : demo->busyTicks[nextBusy].commands) {
            seen.pointerShots += command.kind == CommandKind::FireAlong ? 1 : 0;
        }
        queueTickCommands(demo->busyTicks[nextBusy].commands);
        nextBusy += 1;
    }
    runTick();
    countEvents();
    if (nextCheck < demo->checkpoints.size() && demo->checkpoints[nextCheck].tick == ticks) {
        const DemoCheckpoint& check = demo->checkpoints[nextCheck++];
        if (firstMismatch) return;
        const std::uint64_t hash = gameStateHash(*getWorld(), *getOverlay());
        if (hash == check.hash) {
            lastMatchedTick = ticks;
        } else {
            firstMismatch = check;
            mismatchHash = hash;
        }
    }
}

std::uint64_t DemoPlayback::finish() {
    if (demo != nullptr) {
        queueTickCommands(demo->tail);
        applyQueuedCommands();
    }
    return gameStateHash(*getWorld(), *getOverlay());
}
