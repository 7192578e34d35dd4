#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "entities/enemy_bolt.h"
#include "entities/player_ship.h"
#include "world/render_pass.h"
#include "world_fixture.h"

namespace {
void expectNear(const Vec3& v, float x, float y, float z, float tolerance = 1e-6f) {
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}
}  // namespace

using PlayerShipTest = WorldTest;

TEST_F(PlayerShipTest, NinetyDegreeTurnsFromTheStartFrame) {
    PlayerShip pitched;
    pitched.pitch(90.0f);
    expectNear(pitched.forward, 0, 1, 0);
    expectNear(pitched.up, 0, 0, 1);
    expectNear(pitched.right, 1, 0, 0);

    PlayerShip rolled;
    rolled.roll(90.0f);
    expectNear(rolled.right, 0, -1, 0);
    expectNear(rolled.up, 1, 0, 0);
    expectNear(rolled.forward, 0, 0, -1);

    // Turning by zero changes nothing but refreshes the derived points.
    PlayerShip still;
    still.position = Vec3(5, 0, 0);
    still.roll(0.0f);
    expectNear(still.forward, 0, 0, -1);
    EXPECT_FLOAT_EQ(still.muzzles[0].x, 5.7f);
}

TEST_F(PlayerShipTest, FrameStaysNearlyOrthonormalAfterManyTurns) {
    PlayerShip ship;
    std::srand(99);
    for (int i = 0; i < 10000; ++i) {
        const float angle = static_cast<float>(std::rand() % 7 - 3);
        if (i % 2 == 0) {
            ship.pitch(angle);
        } else {
            ship.roll(angle);
        }
    }
    // The frame is never re-orthonormalised, so it drifts only by float rounding.
    const float tolerance = 2e-3f;
    EXPECT_NEAR(ship.forward.dot(ship.forward), 1.0f, tolerance);
    EXPECT_NEAR(ship.up.dot(ship.up), 1.0f, tolerance);
    EXPECT_NEAR(ship.right.dot(ship.right), 1.0f, tolerance);
    EXPECT_NEAR(ship.forward.dot(ship.up), 0.0f, tolerance);
    EXPECT_NEAR(ship.forward.dot(ship.right), 0.0f, tolerance);
    EXPECT_NEAR(ship.up.dot(ship.right), 0.0f, tolerance);
}

TEST_F(PlayerShipTest, EyePointsFollowPositionAndFrame) {
    PlayerShip ship;
    expectNear(ship.cockpitEye(), 0, 0.5f, 1.0f / 6.0f);
    expectNear(ship.chaseEye(), 0, 3.5f, 15.0f + 1.0f / 6.0f, 1e-5f);
    expectNear(ship.deathEye(), 0, 48.5f, 240.0f + 1.0f / 6.0f, 1e-4f);

    ship.setPosition(100, 0, 0);
    ship.pitch(90.0f);  // forward +y, up +z
    expectNear(ship.cockpitEye(), 100, -1.0f / 6.0f, 0.5f);
    expectNear(ship.chaseEye(), 100, -15.0f - 1.0f / 6.0f, 3.5f, 1e-5f);
}

TEST_F(PlayerShipTest, HeldFireSendsAVolleyOfFourEveryFiveFrames) {
    keyFire = true;
    gameState = 1;
    std::vector<int> volleyFrames;
    for (int frame = 0; frame <= 11; ++frame) {
        const int before = laserShots();
        applyControls();
        world->update();
        if (laserShots() > before) {
            EXPECT_EQ(laserShots() - before, 1) << "one laser cue per volley";
            volleyFrames.push_back(frame);
        }
        if (frame == 0) {
            // The volley's four bolts sit at the four muzzles on the frame they are fired.
            ASSERT_EQ(activePlayerBolts(), 4);
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(world->playerBolts[i].position.x, world->player->muzzles[i].x);
                EXPECT_EQ(world->playerBolts[i].position.y, world->player->muzzles[i].y);
                EXPECT_EQ(world->playerBolts[i].position.z, world->player->muzzles[i].z);
                EXPECT_EQ(world->playerBolts[i].direction.z, -1.0f);
            }
        }
    }
    EXPECT_EQ(volleyFrames, (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(world->nextPlayerBolt, 12);
}

TEST_F(PlayerShipTest, DamageKillsOnTheHundredAndFirstBoltHit) {
    PlayerShip& ship = *world->player;
    for (int hit = 1; hit <= 100; ++hit) ship.takeDamage(0.01f);
    EXPECT_GT(ship.health, 0.0f);
    EXPECT_EQ(ship.state, Active);
    EXPECT_FALSE(world->gameOver);
    ship.takeDamage(0.01f);
    EXPECT_EQ(ship.health, 0.0f);
    EXPECT_EQ(ship.state, Inactive);
    EXPECT_TRUE(world->gameOver);
    EXPECT_EQ(world->explosions[0].particleCount, 30);
    EXPECT_EQ(world->explosions[0].particles[0]->blue, 1.0f);
}

TEST_F(PlayerShipTest, InvincibleShipTakesNoDamageAndResetRestoresEverything) {
    PlayerShip& ship = *world->player;
    ship.invincible = true;
    ship.takeDamage(1.0f);
    EXPECT_EQ(ship.health, 1.0f);

    ship.invincible = false;
    ship.setPosition(10, 20, 30);
    ship.roll(33.0f);
    ship.takeDamage(1.0f);
    ship.fireCooldown = 3;
    ship.reset();
    EXPECT_EQ(ship.state, Active);
    EXPECT_EQ(ship.health, 1.0f);
    EXPECT_FALSE(ship.invincible);
    expectNear(ship.position, 0, 0, 0);
    expectNear(ship.forward, 0, 0, -1);
    expectNear(ship.up, 0, 1, 0);
    expectNear(ship.muzzles[0], 0.7f, 0.4f, 0);
    EXPECT_EQ(ship.fireCooldown, 3) << "the cool-down survives a reset";
}

TEST_F(PlayerShipTest, EnemyBoltHitsAlongItsWholeLine) {
    const PlayerShip& ship = *world->player;
    EnemyBolt bolt;
    bolt.state = Active;
    // Along y, where the hull's faces (at +-1) and every crossing are exact in floats.
    bolt.direction = Vec3(0, 1, 0);

    // Moved straight through the hull between two frames: neither line inside now.
    bolt.position = Vec3(0, 10, 0);
    EXPECT_TRUE(ship.hitByBolt(bolt));
    // The drawn tip reaches into the hull.
    bolt.position = Vec3(0, -8.5f, 0);
    EXPECT_TRUE(ship.hitByBolt(bolt));
    // Moving away along a line through the hull still counts.
    bolt.position = Vec3(0, 30, 0);
    EXPECT_TRUE(ship.hitByBolt(bolt));
    // Heading at the ship but still short of it: no hit yet.
    bolt.position = Vec3(0, -20, 0);
    EXPECT_FALSE(ship.hitByBolt(bolt));
    // A line that passes beside the hull.
    bolt.position = Vec3(1.5f, 10, 0);
    EXPECT_FALSE(ship.hitByBolt(bolt));
}
