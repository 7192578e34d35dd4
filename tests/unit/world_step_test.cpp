#include <gtest/gtest.h>

#include "gfx/skybox.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using WorldStep = WorldTest;

TEST_F(WorldStep, FreshWorldIsNotOverAndHoldsItsPools) {
    EXPECT_FALSE(world->isGameOver());
    EXPECT_EQ(world->score, 0);
    EXPECT_EQ(world->turnStep, 3.0f);
    for (const auto& bolt : world->enemyBolts) EXPECT_EQ(bolt.state, Inactive);
    for (const auto& explosion : world->explosions) EXPECT_EQ(explosion.state, Inactive);
    EXPECT_EQ(world->skybox->halfSize, 2500);
    EXPECT_EQ(world->skybox->arenaBox.max.x, 2500.0f);
}

TEST_F(WorldStep, ArenaClampsSeveralAxesInOneStepAndFlagsEachWall) {
    PlayerShip& ship = *world->player;
    ship.position = Vec3(-2470, 2460, 100);
    world->update();
    EXPECT_EQ(ship.position.x, -2450.0f);
    EXPECT_EQ(ship.position.y, 2450.0f);
    EXPECT_EQ(ship.position.z, 100.0f);
    const bool* touched = world->skybox->wallTouched;
    EXPECT_TRUE(touched[Skybox::WallPlusY]);
    EXPECT_TRUE(touched[Skybox::WallMinusX]);
    EXPECT_FALSE(touched[Skybox::WallMinusY]);
    EXPECT_FALSE(touched[Skybox::WallPlusX]);
    EXPECT_FALSE(touched[Skybox::WallPlusZ]);
    EXPECT_FALSE(touched[Skybox::WallMinusZ]);

    // Exactly on the limit is not pushed back.
    for (int i = 0; i < Skybox::kFaceCount; ++i) world->skybox->wallTouched[i] = false;
    ship.position = Vec3(2450, 0, -2450);
    world->update();
    for (int i = 0; i < Skybox::kFaceCount; ++i) EXPECT_FALSE(world->skybox->wallTouched[i]);
}

TEST_F(WorldStep, VolleyInAClampedStepLeavesFromTheClampedPosition) {
    PlayerShip& ship = *world->player;
    ship.position = Vec3(0, 0, 3000);
    ship.fire();
    world->update();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(world->playerBolts[i].state, Active);
        EXPECT_EQ(world->playerBolts[i].position.z, 2450.0f);
    }
    EXPECT_EQ(ship.nozzles[0].z, 2450.0f + 1.8f);
}

TEST_F(WorldStep, PausedStepFreezesEverythingAndResumesWhereItWas) {
    world->firePlayerBolt({0, 0, 0}, {0, 0, -1});
    // Off the ship's line: a bolt whose line crosses the hull counts as a hit even behind it.
    world->fireEnemyBolt({300, 100, 0}, {0, 1, 0});
    world->spawnExplosion({0, 0, 0}, 5, 1.0f, 1, 1, 1);
    world->update();
    const float boltZ = world->playerBolts[0].position.z;
    const float enemyY = world->enemyBolts[0].position.y;
    const float particleLife = world->explosions[0].particles[0]->life;
    const int enemies = world->enemiesLeft();

    world->togglePause();
    for (int i = 0; i < 3; ++i) world->update();
    EXPECT_EQ(world->playerBolts[0].position.z, boltZ);
    EXPECT_EQ(world->enemyBolts[0].position.y, enemyY);
    EXPECT_EQ(world->explosions[0].particles[0]->life, particleLife);
    EXPECT_EQ(world->enemiesLeft(), enemies);

    world->togglePause();
    world->update();
    EXPECT_EQ(world->playerBolts[0].position.z, boltZ - 20.0f);
    EXPECT_EQ(world->enemyBolts[0].position.y, enemyY + 16.0f);
}

TEST_F(WorldStep, ExplosionsStartedByTheRulesAreUpdatedInTheSameStep) {
    // A bolt parked inside the counter block's turret-free box still starts no
    // explosion; so start one by hand before the step and see its first update run.
    world->spawnExplosion({0, 0, 0}, 3, 1.0f, 1, 1, 1);
    world->update();
    const Particle& p = *world->explosions[0].particles[0];
    EXPECT_EQ(p.life, p.maxLife - 1.0f);
    EXPECT_LT(p.alpha, 1.0f);
}

TEST_F(WorldStep, TrailsComeFromBothNozzlesEveryStepEvenAfterDeath) {
    world->update();
    EXPECT_EQ(world->trails[0].state, Active);
    // Emitted at the nozzle during the ship's update, then moved once by the trail's update.
    for (int t = 0; t < 2; ++t) {
        const Particle& p = world->trails[t].particles[0];
        EXPECT_NEAR(p.position.x - p.velocity.x * 0.1f, world->player->nozzles[t].x, 1e-5f);
        EXPECT_NEAR(p.position.z - p.velocity.z * 0.1f, world->player->nozzles[t].z, 1e-5f);
    }

    world->player->takeDamage(1.0f);
    ASSERT_TRUE(world->gameOver);
    world->player->position = Vec3(50, 0, 0);
    world->update();
    const Particle& p = world->trails[0].particles[0];
    EXPECT_NEAR(p.position.x - p.velocity.x * 0.1f, 50.35f, 1e-4f);
}

TEST_F(WorldStep, ControlsApplyInOrderAndOnlyWhilePlaying) {
    PlayerShip& ship = *world->player;
    keyUp = true;
    keyDown = true;
    applyControls();
    // Up and down cancel out, the ship still flies 12 units and the glow still rises.
    EXPECT_NEAR(ship.forward.z, -1.0f, 1e-6f);
    EXPECT_NEAR(ship.position.z, -12.0f, 1e-5f);
    EXPECT_TRUE(world->pitchedThisFrame);

    world->togglePause();
    applyControls();
    EXPECT_NEAR(ship.position.z, -12.0f, 1e-5f);
    world->togglePause();

    world->player->takeDamage(1.0f);
    cameraMode = 1;
    keyDown = false;
    applyControls();
    EXPECT_EQ(cameraMode, 3);
    EXPECT_NEAR(ship.position.z, -12.0f, 1e-5f);
    EXPECT_NEAR(ship.forward.z, -1.0f, 1e-6f);
}
