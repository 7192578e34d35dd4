#include <tuple>

#include "entities/capital_ship.h"
#include "world_fixture.h"

using CapitalShipTest = WorldTest;

// Places the ship with every gun held back, and rebuilds its guns and box.
static void place(CapitalShip& ship, float ax, float ay, float az, const Vec3& p) {
    std::tie(ship.angleX, ship.angleY, ship.angleZ) = std::tie(ax, ay, az);
    ship.setPosition(p);
    for (int& timer : ship.gunTimers) timer = 100;
    ship.update();
}

TEST_F(CapitalShipTest, BoxesAndGunsFollowTheAngles) {
    CapitalShip ship;
    place(ship, 0.0f, 90.0f, 0.0f, Vec3(-1000.0f, 300.0f, 100.0f));
    expectVec(ship.box.min, Vec3(-1075.0f, 255.0f, -200.0f), 1e-3f);
    expectVec(ship.box.max, Vec3(-925.0f, 325.0f, 400.0f), 1e-3f);
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
    seedGameRandom(2024);
    Vec3 expectedDirection[3];
    int expectedTimers[6];
    const float gunX[3] = {35.0f, 50.0f, 70.0f};
    for (int i = 0; i < 6; ++i) {
        if (i < 3) expectedDirection[i] = scatteredAim(Vec3(-gunX[i], -10.0f, 950.0f));
        expectedTimers[i] = randomGunCooldown();
    }
    seedGameRandom(2024);
    EXPECT_EQ(ship.update(), 0);
    ASSERT_EQ(world->nextEnemyBolt, 3);
    for (int i = 0; i < 3; ++i) {
        expectVec(world->enemyBolts[i].position, ship.gunPoints[i]);
        expectVec(world->enemyBolts[i].direction, expectedDirection[i]);
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ship.gunTimers[i], expectedTimers[i]) << i;
    // The player level with gun 0 in z (d . direction is 0): it re-arms without firing.
    world->player->setPosition(500.0f, 10.0f, 50.0f);
    ship.gunTimers[0] = 0;
    ship.update();
    EXPECT_EQ(world->nextEnemyBolt, 3);
    EXPECT_GT(ship.gunTimers[0], 0);
}

TEST_F(CapitalShipTest, The160thHitKillsOnceAndLaterBoltsPassThrough) {
    CapitalShip ship;
    place(ship, 0.0f, 0.0f, 0.0f, Vec3());  // box (-300, -45, -75) to (300, 25, 75)
    PlayerBolt bolt;
    bolt.setPosition(Vec3(-305.0f, 0.0f, 0.0f));  // outside: only a tip heading in reaches the box
    for (float dx : {-1.0f, 1.0f}) {
        bolt.direction = Vec3(dx, 0.0f, 0.0f);
        EXPECT_EQ(ship.hitByPlayerBolt(bolt), dx > 0.0f) << dx;
    }
    for (int hit = 2; hit < 160; ++hit) ASSERT_TRUE(ship.hitByPlayerBolt(bolt));
    EXPECT_TRUE(ship.state == Active && world->score == 0 && sounds.entries().empty());
    EXPECT_TRUE(ship.hitByPlayerBolt(bolt));
    EXPECT_TRUE(ship.state == Dying && world->score == 10000);
    EXPECT_EQ(sounds.entries(), std::vector<std::string>{"play bigExplode.wav from 0"});
    EXPECT_FALSE(ship.hitByPlayerBolt(bolt));
    EXPECT_EQ(world->score, 10000);
}

// A dying ship shrinks over eleven ticks without a random draw.
TEST_F(CapitalShipTest, DeathShrinksOverElevenTicksWithoutAFlickerDraw) {
    CapitalShip ship;
    ship.state = Dying;
    ship.hitFlash = 1;  // left from the fatal hit
    seedGameRandom(3);
    int draws[3];
    for (int& d : draws) d = gameRand();
    seedGameRandom(3);
    for (int tick = 1; tick <= 10; ++tick) {
        ship.advanceDrawState();
        ASSERT_TRUE(ship.shown);
    }
    EXPECT_EQ(gameRand(), draws[0]) << "no flicker draw while dying";
    EXPECT_TRUE(ship.state == Dying && ship.scale == 0.0f);
    ship.advanceDrawState();
    EXPECT_TRUE(ship.state == Inactive && !ship.shown);
    // The flash left from the fatal hit is spent on the next tick, with its random draw.
    ship.advanceDrawState();
    EXPECT_FALSE(ship.shown);
    EXPECT_EQ(gameRand(), draws[2]);
}
