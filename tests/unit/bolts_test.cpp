#include <gtest/gtest.h>

#include "world_fixture.h"

using Bolts = WorldTest;

TEST_F(Bolts, PlayerBoltWaitsAtTheMuzzleOneFrameThenFliesTwenty) {
    world->firePlayerBolt({0, 0, 0}, {0, 0, -1});
    PlayerBolt& bolt = world->playerBolts[0];
    EXPECT_EQ(bolt.update(), Active);
    EXPECT_EQ(bolt.position.z, 0.0f);
    bolt.update();
    EXPECT_EQ(bolt.position.z, -20.0f);
    bolt.update();
    EXPECT_EQ(bolt.position.z, -40.0f);
}

TEST_F(Bolts, EnemyBoltLeavesTheArenaOnTheUpdateThatCrossesTheWall) {
    world->fireEnemyBolt({2490, 0, 0}, {1, 0, 0});
    EnemyBolt& leaving = world->enemyBolts[0];
    EXPECT_EQ(leaving.update(), Inactive);
    EXPECT_EQ(leaving.position.x, 2506.0f);

    // One unit ahead must still be inside; the drawn tip may stick out.
    world->fireEnemyBolt({2480, 0, 0}, {1, 0, 0});
    EnemyBolt& staying = world->enemyBolts[1];
    EXPECT_EQ(staying.update(), Active);
    EXPECT_EQ(staying.position.x, 2496.0f);
    EXPECT_EQ(staying.update(), Inactive);
}

TEST_F(Bolts, BoltOnTheWallIsOutside) {
    world->fireEnemyBolt({0, -2516, 0}, {0, 1, 0});
    EXPECT_EQ(world->enemyBolts[0].update(), Inactive);
    EXPECT_EQ(world->enemyBolts[0].position.y, -2500.0f);
}

TEST_F(Bolts, RingsReuseTheOldestSlotWhateverItsState) {
    for (int i = 0; i < 60; ++i) world->firePlayerBolt({float(i), 0, 0}, {0, 0, -1});
    EXPECT_EQ(world->nextPlayerBolt, 0);
    world->playerBolts[0].update();
    world->playerBolts[0].update();
    ASSERT_EQ(world->playerBolts[0].position.z, -20.0f);

    world->firePlayerBolt({500, 0, 0}, {0, 0, -1});
    EXPECT_EQ(world->nextPlayerBolt, 1);
    EXPECT_EQ(world->playerBolts[0].position.x, 500.0f);
    EXPECT_EQ(world->playerBolts[0].position.z, 0.0f);
    EXPECT_TRUE(world->playerBolts[0].hold);

    for (int i = 0; i < 2001; ++i) world->fireEnemyBolt({0, 0, 0}, {1, 0, 0});
    EXPECT_EQ(world->nextEnemyBolt, 1);
}

TEST_F(Bolts, ZeroDirectionNeverMovesNorLeaves) {
    world->firePlayerBoltAt(1, 2, 3, 0, 0, 0);
    PlayerBolt& bolt = world->playerBolts[0];
    EXPECT_EQ(bolt.direction.x, 0.0f);
    EXPECT_EQ(bolt.direction.z, 0.0f);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bolt.update(), Active);
    EXPECT_EQ(bolt.position.z, 3.0f);
}

TEST_F(Bolts, PointerBoltIsNormalisedMovesAtOnceAndPlaysTheLaser) {
    world->firePlayerBoltAt(0, 0, 0, 0, 0, -5);
    PlayerBolt& bolt = world->playerBolts[0];
    EXPECT_EQ(bolt.direction.z, -1.0f);
    EXPECT_EQ(laserShots(), 1);
    bolt.update();
    EXPECT_EQ(bolt.position.z, -20.0f);

    // A slot whose last bolt left the arena keeps its hold, so the next pointer bolt waits a frame.
    world->nextPlayerBolt = 5;
    world->firePlayerBoltAt(0, 0, 2495, 0, 0, 1);
    ASSERT_EQ(world->playerBolts[5].update(), Inactive);
    world->nextPlayerBolt = 5;
    world->firePlayerBoltAt(0, 0, 0, 0, 0, 1);
    world->playerBolts[5].update();
    EXPECT_EQ(world->playerBolts[5].position.z, 0.0f);
}
