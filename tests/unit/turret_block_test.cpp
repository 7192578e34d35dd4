#include "entities/turret_block.h"
#include "world_fixture.h"

using TurretBlockTest = WorldTest;

// The white cells inside the border of the 8x8 counter image.
static int litInteriorCells(const TurretBlock& block) {
    int lit = 0;
    for (int row = 1; row < 7; ++row)
        for (int col = 1; col < 7; ++col) lit += block.counterImage[(row * 8 + col) * 4] == 255;
    return lit;
}

TEST_F(TurretBlockTest, BoxUsesTheTruncatedHalfEdgeAndFacesAreOutside) {
    TurretBlock block;
    block.size = 401.0f;  // half edge 200.5 truncates to 200
    block.setPosition(250.0f, 0.0f, 1000.0f);
    EXPECT_FALSE(block.containsPoint(450.0f, 0.0f, 1000.0f));
    // A bolt starting exactly on a face is only absorbed if it heads inwards.
    // Tip only: 7 units short of the face the tip is 1 unit inside.
    const struct { float x, dx; bool absorbed; } cases[] = {
        {450.0f, 1.0f, false}, {450.0f, -1.0f, true}, {457.0f, -1.0f, true}, {458.0f, -1.0f, false}};
    EnemyBolt bolt;
    for (const auto& c : cases) {
        bolt.setPosition(Vec3(c.x, 0.0f, 1000.0f));
        bolt.direction = Vec3(c.dx, 0.0f, 0.0f);
        EXPECT_EQ(block.absorbsBolt(bolt), c.absorbed) << c.x << " " << c.dx;
    }
}

TEST_F(TurretBlockTest, UpdatePlacesCountsAndRevivesTurrets) {
    TurretBlock block;
    block.setPosition(10.0f, 20.0f, 30.0f);
    int count = -1;
    block.updateCounting(count);
    const Vec3 expected[6] = {{210.0f, 20.0f, 30.0f}, {-190.0f, 20.0f, 30.0f}, {10.0f, 220.0f, 30.0f},
                              {10.0f, -180.0f, 30.0f}, {10.0f, 20.0f, 230.0f}, {10.0f, 20.0f, -170.0f}};
    for (int k = 0; k < 6; ++k) expectVec(block.turrets[k].position, expected[k]);
    for (Turret& turret : block.turrets) turret.cooldown = 100;
    block.turrets[1].state = block.turrets[4].state = Inactive;
    block.turrets[4].cooldown = 0;
    block.updateCounting(count);
    EXPECT_TRUE(count == 4 && world->nextEnemyBolt == 0) << "a destroyed turret is not updated";
    block.reviveTurrets();
    block.updateCounting(count);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(world->nextEnemyBolt, 1) << "the revived turret fires once its cooldown has run down";
}

TEST_F(TurretBlockTest, UnarmedCounterBlockLeavesItsTurretsAloneAndCountsHits) {
    TurretBlock plain, counter;
    plain.countHit();
    EXPECT_EQ(plain.hitCount, 0) << "only the counter block counts hits";
    counter.armed = false;
    counter.counterDisplay = true;
    counter.hueStep = 0.5f;
    counter.hue = 359.5f;
    for (Turret& turret : counter.turrets) turret.cooldown = 0;
    int count = -1;
    counter.updateCounting(count);
    EXPECT_EQ(counter.hue, 360.0f) << "exactly 360 stays for one step";
    counter.updateCounting(count);
    EXPECT_EQ(counter.hue, 0.0f) << "the hue wraps with no carry of the excess";
    for (int hit = 1; hit <= 36; ++hit) {
        counter.countHit();
        counter.updateCounting(count);
        ASSERT_EQ(litInteriorCells(counter), hit);
        ASSERT_EQ(counter.counterImage[(1 + (hit - 1) / 6) * 32 + (1 + (hit - 1) % 6) * 4], 255) << "cells light in row order";
    }
    EXPECT_TRUE(count == 0 && world->nextEnemyBolt == 0) << "unarmed turrets neither count nor fire";
    counter.countHit();
    EXPECT_EQ(counter.hitCount, 0) << "the 37th hit starts the count again";
}
