#include <gtest/gtest.h>

#include <cstdlib>

#include "enemy_world_fixture.h"
#include "entities/capital_ship.h"
#include "entities/random.h"

namespace {

using CapitalShipTest = EnemyWorldTest;

void placeShip(CapitalShip& ship, float ax, float ay, float az, const Vec3& p) {
    ship.angleX = ax;
    ship.angleY = ay;
    ship.angleZ = az;
    ship.setPosition(p);
}

void expectVec(const Vec3& actual, float x, float y, float z, float tolerance) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
    EXPECT_NEAR(actual.z, z, tolerance);
}

// Keeps every gun from firing during geometry checks.
void holdFire(CapitalShip& ship) {
    for (int& timer : ship.gunTimers) timer = 100;
}

}  // namespace

TEST_F(CapitalShipTest, ConstructionDrawsSixTimersInGunOrder) {
    std::srand(42);
    int expected[6];
    for (int& t : expected) t = randomGunCooldown();
    const int next = gameRand();
    std::srand(42);
    CapitalShip ship;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ship.gunTimers[i], expected[i]) << i;
    EXPECT_EQ(gameRand(), next);
    EXPECT_EQ(ship.scale, 5.0f);
    EXPECT_EQ(ship.hitPoints, 160.0f);
    EXPECT_EQ(ship.state, Active);

    std::srand(43);
    const int one = randomGunCooldown();
    std::srand(43);
    ship.rollGunTimer(4);
    EXPECT_EQ(ship.gunTimers[4], one);
    EXPECT_EQ(ship.gunTimers[3], expected[3]);
}

TEST_F(CapitalShipTest, BoxesOfTheLevelsTwoAngleSets) {
    CapitalShip ship;
    holdFire(ship);
    placeShip(ship, 0.0f, 180.0f, 0.0f, Vec3(1500.0f, 0.0f, 300.0f));
    ship.update();
    expectVec(ship.box.min, 1200.0f, -45.0f, 225.0f, 1e-3f);
    expectVec(ship.box.max, 1800.0f, 25.0f, 375.0f, 1e-3f);
    EXPECT_TRUE(ship.containsPoint(1500.0f, 0.0f, 300.0f));
    EXPECT_FALSE(ship.containsPoint(1199.0f, 0.0f, 300.0f));
    EXPECT_FALSE(ship.containsPoint(1500.0f, 26.0f, 300.0f));

    placeShip(ship, 0.0f, 90.0f, 0.0f, Vec3(-1000.0f, 300.0f, 100.0f));
    ship.update();
    expectVec(ship.box.min, -1075.0f, 255.0f, -200.0f, 1e-3f);
    expectVec(ship.box.max, -925.0f, 325.0f, 400.0f, 1e-3f);
    // Guns 0-2 look along -x for this angle set and sit 50 units to that side.
    expectVec(ship.gunDirections[0], -1.0f, 0.0f, 0.0f, 1e-6f);
    expectVec(ship.gunPoints[0], -1050.0f, 310.0f, 65.0f, 1e-3f);
}

TEST_F(CapitalShipTest, OnATieTheLowerNumberedCornerSpansTheBox) {
    CapitalShip ship;
    holdFire(ship);
    // At 45 degrees about y two corners share the smallest and two the largest x + y + z.
    placeShip(ship, 0.0f, 45.0f, 0.0f, Vec3(10.0f, 20.0f, 30.0f));
    ship.update();
    auto sum = [&](int i) { return ship.corners[i].x + ship.corners[i].y + ship.corners[i].z; };
    int firstMin = 0;
    int firstMax = 0;
    int minTies = 0;
    int maxTies = 0;
    for (int i = 1; i < 8; ++i) {
        if (sum(i) < sum(firstMin)) firstMin = i;
        if (sum(i) > sum(firstMax)) firstMax = i;
    }
    for (int i = 0; i < 8; ++i) {
        minTies += sum(i) == sum(firstMin) ? 1 : 0;
        maxTies += sum(i) == sum(firstMax) ? 1 : 0;
    }
    ASSERT_EQ(minTies, 2);
    ASSERT_EQ(maxTies, 2);
    EXPECT_EQ(ship.box.min.x, 10.0f + ship.corners[firstMin].x);
    EXPECT_EQ(ship.box.min.z, 30.0f + ship.corners[firstMin].z);
    EXPECT_EQ(ship.box.max.x, 10.0f + ship.corners[firstMax].x);
    EXPECT_EQ(ship.box.max.z, 30.0f + ship.corners[firstMax].z);
}

TEST_F(CapitalShipTest, OnlyAnExact90DegreeAngleMirrorsZ) {
    CapitalShip ship;
    holdFire(ship);
    // Gun 0 sits at (35, 10, 50) in model space; about y, 90 degrees takes x to z.
    placeShip(ship, 0.0f, 90.0f, 0.0f, Vec3());
    ship.update();
    EXPECT_NEAR(ship.gunPoints[0].z, -35.0f, 1e-3f);

    placeShip(ship, 0.0f, 90.0001f, 0.0f, Vec3());
    ship.update();
    EXPECT_NEAR(ship.gunPoints[0].z, 35.0f, 1e-3f);

    placeShip(ship, 0.0f, -270.0f, 0.0f, Vec3());
    ship.update();
    EXPECT_NEAR(ship.gunPoints[0].z, 35.0f, 1e-3f);

    // Any of the three angles at 90 mirrors z, directions included.
    placeShip(ship, 0.0f, 0.0f, 90.0f, Vec3());
    ship.update();
    EXPECT_NEAR(ship.gunPoints[0].z, -50.0f, 1e-3f);
    EXPECT_NEAR(ship.gunDirections[0].z, -1.0f, 1e-6f);
}

TEST_F(CapitalShipTest, GunsFireOnlyIntoThePlayersHalfSpaceAndAllRearm) {
    CapitalShip ship;  // at the origin, unrotated: guns 0-2 face +z, guns 3-5 face -z
    world->player->setPosition(0.0f, 0.0f, 1000.0f);
    for (int& timer : ship.gunTimers) timer = 0;

    // Replays the expected draws: three scatter draws and a timer for each
    // firing gun, a timer alone for each gun facing away.
    std::srand(2024);
    Vec3 expectedDirection[3];
    int expectedTimers[6];
    for (int i = 0; i < 6; ++i) {
        if (i < 3) {
            const float gunX[3] = {35.0f, 50.0f, 70.0f};
            Vec3 d = Vec3(0.0f, 0.0f, 1000.0f) - Vec3(gunX[i], 10.0f, 50.0f);
            d.normalize();
            d.x += randUnit() * 0.01f - 0.005f;
            d.y += randUnit() * 0.01f - 0.005f;
            d.z += randUnit() * 0.01f - 0.005f;
            d.normalize();
            expectedDirection[i] = d;
        }
        expectedTimers[i] = randomGunCooldown();
    }

    std::srand(2024);
    EXPECT_EQ(ship.update(), 0);
    ASSERT_EQ(world->nextEnemyBolt, 3);
    for (int i = 0; i < 3; ++i) {
        const EnemyBolt& bolt = world->enemyBolts[i];
        EXPECT_EQ(bolt.position.x, ship.gunPoints[i].x) << i;
        EXPECT_EQ(bolt.position.z, 50.0f) << i;
        EXPECT_EQ(bolt.direction.x, expectedDirection[i].x) << i;
        EXPECT_EQ(bolt.direction.y, expectedDirection[i].y) << i;
        EXPECT_EQ(bolt.direction.z, expectedDirection[i].z) << i;
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ship.gunTimers[i], expectedTimers[i]) << i;


    // Waiting guns count down without drawing.
    for (int& timer : ship.gunTimers) timer = 5;
    std::srand(9);
    const int next = gameRand();
    std::srand(9);
    ship.update();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ship.gunTimers[i], 4) << i;
    EXPECT_EQ(gameRand(), next);
    EXPECT_EQ(world->nextEnemyBolt, 3);
}

TEST_F(CapitalShipTest, PlayerExactlyBesideAGunDoesNotDrawItsFire) {
    CapitalShip ship;
    // The player level with gun 0 in z: d . direction is 0, not > 0.
    world->player->setPosition(500.0f, 10.0f, 50.0f);
    for (int& timer : ship.gunTimers) timer = 100;
    ship.gunTimers[0] = 0;
    ship.update();
    EXPECT_EQ(world->nextEnemyBolt, 0);
    EXPECT_GE(ship.gunTimers[0], 8);
    EXPECT_LE(ship.gunTimers[0], 15);
}

TEST_F(CapitalShipTest, The160thHitKillsOnceAndLaterBoltsPassThrough) {
    CapitalShip ship;
    holdFire(ship);
    placeShip(ship, 0.0f, 180.0f, 0.0f, Vec3(1500.0f, 0.0f, 300.0f));
    ship.update();
    PlayerBolt bolt;
    bolt.setPosition(Vec3(1500.0f, 0.0f, 300.0f));

    for (int hit = 1; hit < 160; ++hit) ASSERT_TRUE(ship.hitByPlayerBolt(bolt));
    EXPECT_EQ(ship.state, Active);
    EXPECT_EQ(ship.hitPoints, 1.0f);
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
    holdFire(other);
    other.update();  // box (-300, -45, -75) to (300, 25, 75)
    bolt.setPosition(Vec3(-305.0f, 0.0f, 0.0f));
    bolt.direction = Vec3(1.0f, 0.0f, 0.0f);
    EXPECT_TRUE(other.hitByPlayerBolt(bolt));
    EXPECT_EQ(other.hitFlash, 1);
    bolt.direction = Vec3(-1.0f, 0.0f, 0.0f);
    EXPECT_FALSE(other.hitByPlayerBolt(bolt));
}

TEST_F(CapitalShipTest, DeathShrinksOverElevenDrawsAndTheBoxShrinksWithIt) {
    CapitalShip ship;
    holdFire(ship);
    ship.state = Dying;
    ship.hitFlash = 1;  // left from the fatal hit: no flicker while dying
    std::srand(3);
    const int next = gameRand();
    std::srand(3);
    const float drawnScales[] = {4.5f, 4.0f, 3.5f, 3.0f, 2.5f, 2.0f, 1.5f, 1.0f, 0.5f, 0.0f};
    for (float expected : drawnScales) {
        ASSERT_TRUE(ship.advanceDrawState());
        ASSERT_EQ(ship.scale, expected);
        ASSERT_EQ(ship.state, Dying);
    }
    EXPECT_EQ(gameRand(), next) << "no flicker draw while dying";
    ship.scale = 2.5f;
    EXPECT_EQ(ship.update(), 0) << "a dying ship still counts";
    EXPECT_NEAR(ship.box.max.x, 150.0f, 1e-3f);
    ship.scale = 0.0f;

    EXPECT_FALSE(ship.advanceDrawState());
    EXPECT_EQ(ship.state, Inactive);
    EXPECT_EQ(ship.update(), 2);

    // The flash left from the fatal hit is spent on the next draw, with its random draw.
    std::srand(3);
    gameRand();
    const int second = gameRand();
    std::srand(3);
    EXPECT_FALSE(ship.advanceDrawState());
    EXPECT_EQ(ship.hitFlash, 0);
    EXPECT_EQ(gameRand(), second);
}

TEST_F(CapitalShipTest, HitFlickerSkipsTheDrawForTheTopQuarterOfRand) {
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
        // With the flash spent, the next draw shows the ship and draws nothing.
        ASSERT_TRUE(ship.advanceDrawState());
    }
    EXPECT_GT(skipped, 60);
    EXPECT_LT(skipped, 140);
}

