#include "world_fixture.h"

using Bolts = WorldTest;

// One unit ahead must still be inside (the drawn tip may stick out); on the wall is outside.
TEST_F(Bolts, EnemyBoltLeavesTheArenaOnTheUpdateThatCrossesTheWall) {
    const struct { Vec3 from, direction; int updatesInside; float end; } cases[] = {
        {{2490, 0, 0}, {1, 0, 0}, 0, 2506.0f}, {{2480, 0, 0}, {1, 0, 0}, 1, 2512.0f}, {{0, -2516, 0}, {0, 1, 0}, 0, -2500.0f}};
    for (int i = 0; i < 3; ++i) {
        world->fireEnemyBolt(cases[i].from, cases[i].direction);
        EnemyBolt& bolt = world->enemyBolts[i];
        for (int k = 0; k < cases[i].updatesInside; ++k) EXPECT_EQ(bolt.update(), Active) << i;
        EXPECT_EQ(bolt.update(), Inactive) << i;
        EXPECT_EQ(bolt.position.dot(cases[i].direction), cases[i].end) << i;
    }
}

TEST_F(Bolts, PlayerBoltsWaitAFrameAndRingsReuseTheOldestSlotWhateverItsState) {
    for (int i = 0; i < 60; ++i) world->firePlayerBolt({float(i), 0, 0}, {0, 0, -1});
    for (float z : {0.0f, -20.0f, -40.0f}) {  // held at the muzzle on its first frame
        EXPECT_EQ(world->playerBolts[0].update(), Active);
        EXPECT_EQ(world->playerBolts[0].position.z, z);
    }
    world->firePlayerBolt({500, 0, 0}, {0, 0, -1});
    EXPECT_EQ(world->nextPlayerBolt, 1);
    expectVec(world->playerBolts[0].position, Vec3(500, 0, 0));
    for (int i = 0; i < 2001; ++i) world->fireEnemyBolt({0, 0, 0}, {1, 0, 0});
    EXPECT_EQ(world->nextEnemyBolt, 1);
}

TEST_F(Bolts, PointerBoltIsNormalisedMovesAtOnceAndPlaysTheLaser) {
    world->firePlayerBoltAt(0, 0, 0, 0, 0, -5);
    EXPECT_EQ(laserShots(), 1);
    world->playerBolts[0].update();
    EXPECT_EQ(world->playerBolts[0].position.z, -20.0f);
    // A slot whose last bolt left the arena keeps its hold, so the next pointer bolt waits a frame.
    world->nextPlayerBolt = 5;
    world->firePlayerBoltAt(0, 0, 2495, 0, 0, 1);
    ASSERT_EQ(world->playerBolts[5].update(), Inactive);
    world->nextPlayerBolt = 5;
    world->firePlayerBoltAt(0, 0, 0, 0, 0, 1);
    world->playerBolts[5].update();
    EXPECT_EQ(world->playerBolts[5].position.z, 0.0f);
    // A zero direction stays zero: the bolt never moves nor leaves.
    world->firePlayerBoltAt(1, 2, 3, 0, 0, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(world->playerBolts[6].update(), Active);
    expectVec(world->playerBolts[6].position, Vec3(1, 2, 3));
}
