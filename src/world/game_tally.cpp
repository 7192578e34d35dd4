#include "world/game_tally.h"

#include "state/options.h"
#include "world/world.h"

namespace {
struct Tally {
    bool playing = false;
    long long steps = 0;
    bool invincibleSeen = false;
};
Tally tally;
std::optional<GameOutcome> lastOutcome;
}  // namespace

void tallyTick() {
    const World& world = *getWorld();
    const bool ended = world.gameOver || world.won;
    if (!tally.playing) {
        if (gameState != 1 || ended) return;
        tally = Tally{true, 0, false};
    }
    // The step returns at once while paused; nothing else in a tick stops it.
    const bool stepped = !world.paused;
    if (stepped) tally.steps += 1;
    if (optInvincible) tally.invincibleSeen = true;
    if (!ended) return;

    // The rules set `won` only in a step whose fresh count found no enemy;
    // the skip key sets it before the step, or while paused with no step.
    const bool skipped = world.won && !(stepped && world.enemiesLeft() == 0);
    GameOutcome outcome;
    outcome.won = world.won;
    outcome.score = world.score;
    outcome.steps = tally.steps;
    outcome.counts = !tally.invincibleSeen && !skipped;
    lastOutcome = outcome;
    tally.playing = false;
}

std::optional<GameOutcome> takeGameOutcome() {
    std::optional<GameOutcome> taken = lastOutcome;
    lastOutcome.reset();
    return taken;
}

bool tallyingAGame() { return tally.playing; }

void resetGameTally() {
    tally = Tally{};
    lastOutcome.reset();
}
