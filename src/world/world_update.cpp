#include "entities/wave_set.h"
#include "gfx/skybox.h"
#include "world/world.h"

void World::update() {
    if (paused) return;

    skybox->keepInsideArena(*player);
    // The clamp may have moved the ship: refresh its points before it fires.
    player->pitch(0.0f);
    player->update();

    for (PlayerBolt& bolt : playerBolts) bolt.update();
    for (EnemyBolt& bolt : enemyBolts) bolt.update();

    // Counted before this step's hits, so a kill shows in the next step's count.
    waves->countEnemies();

    absorbBoltsInBlocks();
    hitCapitalShips();
    if (!gameOver) hitPlayer();

    for (Explosion& explosion : explosions) explosion.update();
    for (EngineTrail& trail : trails) trail.update();

    checkWin();
}
