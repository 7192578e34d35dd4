#include "gfx/skybox.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using WorldStep = WorldTest;

TEST_F(WorldStep, ArenaClampsSeveralAxesInOneStepAndFlagsEachWall) {
    PlayerShip& ship = *world->player;
    ship.position = Vec3(-2470, 2460, 100);
    world->update();
    expectVec(ship.position, Vec3(-2450, 2450, 100));
    bool* touched = world->skybox->wallTouched;
    for (int wall = 0; wall < Skybox::kFaceCount; ++wall) {
        EXPECT_EQ(touched[wall], wall == Skybox::WallPlusY || wall == Skybox::WallMinusX) << wall;
        touched[wall] = false;
    }
    ship.position = Vec3(2450, 0, -2450);  // exactly on the limit is not pushed back
    world->update();
    for (int wall = 0; wall < Skybox::kFaceCount; ++wall) EXPECT_FALSE(touched[wall]) << wall;

    // A volley in a clamped step leaves from the clamped position.
    ship.position = Vec3(0, 0, 3000);
    ship.fire();
    world->update();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(world->playerBolts[i].position.z, 2450.0f) << i;
}

TEST_F(WorldStep, PausedStepFreezesEverythingAndResumesWhereItWas) {
    world->firePlayerBolt({0, 0, 0}, {0, 0, -1});
    // Off the ship's line: a bolt whose line crosses the hull counts as a hit even behind it.
    world->fireEnemyBolt({300, 100, 0}, {0, 1, 0});
    world->spawnExplosion({0, 0, 0}, 5, 1.0f, 1, 1, 1);
    world->update();
    const float boltZ = world->playerBolts[0].position.z, enemyY = world->enemyBolts[0].position.y,
                particleLife = world->explosions[0].particles[0]->life;
    // Three paused steps and a running one move everything by one step.
    world->togglePause();
    for (int i = 0; i < 3; ++i) world->update();
    world->togglePause();
    world->update();
    EXPECT_EQ(world->playerBolts[0].position.z, boltZ - 20.0f);
    EXPECT_EQ(world->enemyBolts[0].position.y, enemyY + 16.0f);
    EXPECT_EQ(world->explosions[0].particles[0]->life, particleLife - 1.0f);
}

TEST_F(WorldStep, TrailsComeFromBothNozzlesEveryStepEvenAfterDeath) {
    world->player->takeDamage(1.0f);
    world->player->position = Vec3(50, 0, 0);
    world->update();
    // Emitted at the nozzle during the ship's update, then moved once by the trail's update.
    for (int t = 0; t < 2; ++t) {
        const Particle& p = world->trails[t].particles[0];
        expectVec(p.position - p.velocity * 0.1f, world->player->nozzles[t], 1e-4f);
    }
    EXPECT_NEAR(world->player->nozzles[0].x, 50.35f, 1e-4f);
}

TEST_F(WorldStep, ControlsApplyInOrderAndOnlyWhilePlaying) {
    PlayerShip& ship = *world->player;
    keyUp = keyDown = true;
    applyControls();
    // Up and down cancel out, and the ship still flies 12 units.
    EXPECT_NEAR(ship.forward.z, -1.0f, 1e-6f);
    EXPECT_NEAR(ship.position.z, -12.0f, 1e-5f);
    world->togglePause();
    applyControls();
    EXPECT_NEAR(ship.position.z, -12.0f, 1e-5f) << "paused";
    world->togglePause();
    world->player->takeDamage(1.0f);
    applyControls();
    EXPECT_NEAR(ship.position.z, -12.0f, 1e-5f) << "a destroyed ship no longer flies";
}
