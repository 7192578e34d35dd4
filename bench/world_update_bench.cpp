#include <benchmark/benchmark.h>

#include <cstdlib>

#include "entities/random.h"
#include "entities/wave_set.h"
#include "world/world.h"

namespace {

// Fills the whole enemy-bolt ring with bolts that stay in the arena for the
// measured steps: spread over the middle of the arena, away from the blocks'
// and ships' boxes, refilled every ten steps so none reaches a block or a wall.
void fillEnemyBolts(World& world) {
    for (int i = 0; i < World::kEnemyBoltCount; ++i) {
        EnemyBolt& bolt = world.enemyBolts[i];
        const float x = -2000.0f + static_cast<float>(i % 20) * 200.0f;
        const float y = -2000.0f + static_cast<float>((i / 20) % 10) * 400.0f;
        const float z = -600.0f + static_cast<float>(i / 200) * 120.0f;
        bolt.setPosition(Vec3(x, y, z));
        bolt.direction = Vec3(0.0f, 0.0f, (i % 2 == 0) ? 1.0f : -1.0f);
        bolt.state = Active;
    }
}

// Fills the player's 60-bolt ring with bolts flying through open space above the level.
void fillPlayerBolts(World& world) {
    for (int i = 0; i < World::kPlayerBoltCount; ++i) {
        PlayerBolt& bolt = world.playerBolts[i];
        bolt.setPosition(Vec3(-1500.0f + static_cast<float>(i) * 50.0f, 2000.0f, -200.0f));
        bolt.direction = Vec3(0.0f, 0.0f, 1.0f);
        bolt.hold = false;
        bolt.state = Active;
    }
}

int countActive(const auto& bolts) {
    int active = 0;
    for (const auto& bolt : bolts) active += bolt.state == Active ? 1 : 0;
    return active;
}

// Runs game steps with the whole level alive and the enemy ring full, and the
// player's ring full too when asked. The rings are refilled every ten steps,
// outside the timing, so every measured step sees them (nearly) full.
void runFullSteps(benchmark::State& state, bool playerBoltsToo) {
    seedGameRandom(1);
    World* world = createWorld(WorldImages::Skip);
    world->player->invincible = true;  // the ship survives the bolts it meets
    world->player->setPosition(0.0f, 2400.0f, 0.0f);
    world->update();  // places the turrets
    int steps = 0;
    for (auto _ : state) {
        if (steps % 10 == 0) {
            state.PauseTiming();
            fillEnemyBolts(*world);
            if (playerBoltsToo) fillPlayerBolts(*world);
            world->nextEnemyBolt = 0;
            for (auto& ship : world->waves->capitalShips) ship->rollGunTimer(-1);
            state.ResumeTiming();
        }
        world->update();
        ++steps;
    }
    state.counters["enemies_left"] = world->enemiesLeft();
    state.counters["active_enemy_bolts"] = countActive(world->enemyBolts);
    state.counters["active_player_bolts"] = countActive(world->playerBolts);
    destroyWorld();
}

// One game step with all 124 enemies alive and all 2000 enemy bolts in flight.
void BM_WorldUpdateFullLevel(benchmark::State& state) { runFullSteps(state, false); }
BENCHMARK(BM_WorldUpdateFullLevel)->Unit(benchmark::kMicrosecond);

// The same with all 60 player bolts in flight as well.
void BM_WorldUpdateAllBolts(benchmark::State& state) { runFullSteps(state, true); }
BENCHMARK(BM_WorldUpdateAllBolts)->Unit(benchmark::kMicrosecond);

}  // namespace
