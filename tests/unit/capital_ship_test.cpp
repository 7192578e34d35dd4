#include <gtest/gtest.h>

#include <cstdlib>

#include "enemy_world_fixture.h"
#include "entities/capital_ship.h"

using CapitalShipTest = EnemyWorldTest;

// Places the ship with every gun held back, and rebuilds its guns and box.
static void place(CapitalShip& ship, float ax, float ay, float az, const Vec3& p) {
    ship.angleX = ax;
    ship.angleY = ay;
    ship.angleZ = az;
    ship.setPosition(p);
    for (int& timer : ship.gunTimers) timer = 100;
    ship.update();
}

TEST_F(CapitalShipTest, BoxesAndGunsFollowTheAngles) {
    CapitalShip ship;
    place(ship, 0.0f, 180.0f, 0.0f, Vec3(1500.0f, 0.0f, 300.0f));
    expectVec(ship.box.min, Vec3(1200.0f, -45.0f, 225.0f), 1e-3f);
    expectVec(ship.box.max, Vec3(1800.0f, 25.0f, 375.0f), 1e-3f);
    place(ship, 0.0f, 90.0f, 0.0f, Vec3(-1000.0f, 300.0f, 100.0f));
    expectVec(ship.box.min, Vec3(-1075.0f, 255.0f, -200.0f), 1e-3f);
    expectVec(ship.box.max, Vec3(-925.0f, 325.0f, 400.0f), 1e-3f);
    expectVec(ship.gunDirections[0], Vec3(-1.0f, 0.0f, 0.0f), 1e-6f);
    expectVec(ship.gunPoints[0], Vec3(-1050.0f, 310.0f, 65.0f), 1e-3f);
    // Only an exact 90 degrees mirrors z. Gun 0 sits at (35, 10, 50) in model space.
    const float cases[][4] = {{0.0f, 90.0f, 0.0f, -35.0f}, {0.0f, 90.0001f, 0.0f, 35.0f},
                              {0.0f, -270.0f, 0.0f, 35.0f}, {0.0f, 0.0f, 90.0f, -50.0f}};
    for (const auto& c : cases) {
        place(ship, c[0], c[1], c[2], Vec3());
        EXPECT_NEAR(ship.gunPoints[0].z, c[3], 1e-3f) << c[1] << " " << c[2];
    }
    EXPECT_NEAR(ship.gunDirections[0].z, -1.0f, 1e-6f) << "directions are mirrored too";
}

TEST_F(CapitalShipTest, GunsFireOnlyIntoThePlayersHalfSpaceAndAllRearm) {
    CapitalShip ship;  // at the origin, unrotated: guns 0-2 face +z, guns 3-5 face -z
    world->player->setPosition(0.0f, 0.0f, 1000.0f);
    for (int& timer : ship.gunTimers) timer = 0;
    // Three scatter draws and a timer per firing gun; a timer alone per gun facing away.
    std::srand(2024);
    Vec3 expectedDirection[3];
    int expectedTimers[6];
    const float gunX[3] = {35.0f, 50.0f, 70.0f};
    for (int i = 0; i < 6; ++i) {
        if (i < 3) expectedDirection[i] = scatteredAim(Vec3(-gunX[i], -10.0f, 950.0f));
        expectedTimers[i] = randomGunCooldown();
    }
    std::srand(2024);
    EXPECT_EQ(ship.update(), 0);
    ASSERT_EQ(world->nextEnemyBolt, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(world->enemyBolts[i].position.x, ship.gunPoints[i].x) << i;
        EXPECT_EQ(world->enemyBolts[i].position.z, 50.0f) << i;
        expectVec(world->enemyBolts[i].direction, expectedDirection[i]);
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ship.gunTimers[i], expectedTimers[i]) << i;
    // The player level with gun 0 in z (d . direction is 0): it re-arms without firing.
    world->player->setPosition(500.0f, 10.0f, 50.0f);
    for (int& timer : ship.gunTimers) timer = 5;
    ship.gunTimers[0] = 0;
    ship.update();
    EXPECT_EQ(world->nextEnemyBolt, 3);
    EXPECT_TRUE(ship.gunTimers[0] >= 8 && ship.gunTimers[0] <= 15) << ship.gunTimers[0];
}

TEST_F(CapitalShipTest, The160thHitKillsOnceAndLaterBoltsPassThrough) {
    CapitalShip ship;
    place(ship, 0.0f, 180.0f, 0.0f, Vec3(1500.0f, 0.0f, 300.0f));
    PlayerBolt bolt;
    bolt.setPosition(Vec3(1500.0f, 0.0f, 300.0f));
    for (int hit = 1; hit < 160; ++hit) ASSERT_TRUE(ship.hitByPlayerBolt(bolt));
    EXPECT_EQ(ship.state, Active);
    EXPECT_EQ(world->score, 0);
    EXPECT_TRUE(recorder.entries().empty());
    EXPECT_TRUE(ship.hitByPlayerBolt(bolt));
    EXPECT_EQ(ship.state, Dying);
    EXPECT_EQ(world->score, 10000);
    EXPECT_EQ(world->explosions[0].particleCount, 4000);
    EXPECT_EQ(world->explosions[0].position.x, 1500.0f);
    EXPECT_EQ(recorder.entries(), std::vector<std::string>{"play bigExplode.wav from 0"});
    EXPECT_FALSE(ship.hitByPlayerBolt(bolt));
    EXPECT_EQ(world->score, 10000);
    EXPECT_FALSE(ship.containsPoint(1500.0f, 0.0f, 300.0f)) << "a dying ship no longer rams";
    // A tip inside counts as much as a position inside.
    CapitalShip other;
    place(other, 0.0f, 0.0f, 0.0f, Vec3());  // box (-300, -45, -75) to (300, 25, 75)
    bolt.setPosition(Vec3(-305.0f, 0.0f, 0.0f));
    for (float dx : {-1.0f, 1.0f}) {
        bolt.direction = Vec3(dx, 0.0f, 0.0f);
        EXPECT_EQ(other.hitByPlayerBolt(bolt), dx > 0.0f) << dx;
    }
    EXPECT_EQ(other.hitFlash, 1);
}

TEST_F(CapitalShipTest, HitsFlickerAndDeathShrinksOverElevenDraws) {
    CapitalShip ship;
    int skipped = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::srand(seed);
        const bool expectSkip = gameRand() >= 24576;  // rand / 32768 * 4 - 2 truncates to 1
        std::srand(seed);
        ship.hitFlash = 1;
        ASSERT_EQ(ship.advanceDrawState(), !expectSkip) << seed;
        ASSERT_EQ(ship.hitFlash, 0);
        skipped += expectSkip ? 1 : 0;
        ASSERT_TRUE(ship.advanceDrawState()) << "with the flash spent the ship shows";
    }
    EXPECT_TRUE(skipped > 60 && skipped < 140) << skipped;
    place(ship, 0.0f, 0.0f, 0.0f, Vec3());
    ship.state = Dying;
    ship.hitFlash = 1;  // left from the fatal hit: no flicker while dying
    std::srand(3);
    int draws[3];
    for (int& d : draws) d = gameRand();
    std::srand(3);
    for (int draw = 1; draw <= 10; ++draw) {
        ASSERT_TRUE(ship.advanceDrawState());
        ASSERT_EQ(ship.scale, 5.0f - 0.5f * static_cast<float>(draw));
        ASSERT_EQ(ship.state, Dying);
    }
    EXPECT_EQ(gameRand(), draws[0]) << "no flicker draw while dying";
    ship.scale = 2.5f;
    EXPECT_EQ(ship.update(), 0) << "a dying ship still counts";
    EXPECT_NEAR(ship.box.max.x, 150.0f, 1e-3f);
    ship.scale = 0.0f;
    EXPECT_FALSE(ship.advanceDrawState());
    EXPECT_EQ(ship.state, Inactive);
    // The flash left from the fatal hit is spent on the next draw, with its random draw.
    EXPECT_FALSE(ship.advanceDrawState());
    EXPECT_EQ(ship.hitFlash, 0);
    EXPECT_EQ(gameRand(), draws[2]);
}
