#include <gtest/gtest.h>

#include "enemy_world_fixture.h"
#include "entities/turret_block.h"

using TurretBlockTest = EnemyWorldTest;

// Counts the white interior cells of the 8x8 counter image; fails unless the border is all white.
static int litInteriorCells(const TurretBlock& block) {
    int lit = 0;
    for (int cell = 0; cell < 64; ++cell) {
        const std::uint8_t* t = block.counterImage + cell * 4;
        const bool white = t[0] == 255 && t[1] == 255 && t[2] == 255;
        const bool border = cell < 8 || cell >= 56 || cell % 8 == 0 || cell % 8 == 7;
        EXPECT_TRUE(!border || (white && t[3] == 255)) << "border cell " << cell;
        lit += white && !border ? 1 : 0;
    }
    return lit;
}

TEST_F(TurretBlockTest, BoxUsesTheTruncatedHalfEdgeAndFacesAreOutside) {
    TurretBlock block;
    block.size = 401.0f;  // half edge 200.5 truncates to 200
    block.setPosition(0.0f, 0.0f, 0.0f);
    EXPECT_EQ(block.box.max.y, 200.0f);
    block.size = 400.0f;
    block.setPosition(250.0f, 0.0f, 1000.0f);
    expectVec(block.box.min, Vec3(50.0f, -200.0f, 800.0f));
    EXPECT_EQ(block.box.max.x, 450.0f);
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
    EXPECT_EQ(count, 6);
    const Vec3 expected[6] = {{210.0f, 20.0f, 30.0f}, {-190.0f, 20.0f, 30.0f},
                              {10.0f, 220.0f, 30.0f}, {10.0f, -180.0f, 30.0f},
                              {10.0f, 20.0f, 230.0f}, {10.0f, 20.0f, -170.0f}};
    for (int k = 0; k < 6; ++k) {
        expectVec(block.turrets[k].position, expected[k]);
        EXPECT_EQ(block.turrets[k].box.max.x, expected[k].x + 15.0f) << k;
    }
    for (Turret& turret : block.turrets) turret.cooldown = 100;
    block.turrets[1].state = block.turrets[4].state = Inactive;
    block.turrets[4].cooldown = 0;
    block.updateCounting(count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(block.turrets[4].cooldown, 0) << "a destroyed turret is not updated";
    block.reviveTurrets();
    for (const Turret& turret : block.turrets) EXPECT_EQ(turret.state, Active);
    block.updateCounting(count);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(world->nextEnemyBolt, 1) << "the revived turret fires once its cooldown has run down";
}

TEST_F(TurretBlockTest, UnarmedCounterBlockLeavesItsTurretsAloneAndCountsHits) {
    TurretBlock plain, counter;
    plain.countHit();
    EXPECT_EQ(plain.hitCount, 0) << "only the counter block counts hits";
    counter.setPosition(2000.0f, 0.0f, 0.0f);
    counter.armed = false;
    counter.counterDisplay = true;
    counter.hueStep = 0.5f;
    counter.hue = 359.5f;
    for (Turret& turret : counter.turrets) turret.cooldown = 0;
    int count = -1;
    counter.updateCounting(count);
    EXPECT_EQ(counter.hue, 360.0f) << "exactly 360 stays for one step";
    EXPECT_EQ(litInteriorCells(counter), 0);
    EXPECT_EQ(counter.counterImage[(1 * 8 + 1) * 4], 30);
    EXPECT_EQ(counter.counterImage[(1 * 8 + 1) * 4 + 3], 255);
    EXPECT_TRUE(counter.counterImageDirty);
    counter.counterImageDirty = false;
    counter.updateCounting(count);
    EXPECT_EQ(counter.hue, 0.0f) << "the hue wraps with no carry of the excess";
    EXPECT_FALSE(counter.counterImageDirty) << "an unchanged image needs no upload";
    for (int hit = 1; hit <= 36; ++hit) {
        counter.countHit();
        count = -1;
        counter.updateCounting(count);
        ASSERT_EQ(count, 0);
        ASSERT_EQ(litInteriorCells(counter), hit);
        ASSERT_EQ(counter.counterImage[(1 + (hit - 1) / 6) * 32 + (1 + (hit - 1) % 6) * 4], 255)
            << "cells light in row order";
    }
    EXPECT_EQ(world->nextEnemyBolt, 0);
    for (const Turret& turret : counter.turrets) {
        expectVec(turret.position, Vec3());
        expectVec(turret.aim, Vec3());
        EXPECT_EQ(turret.cooldown, 0);
    }
    EXPECT_EQ(counter.hitCount, 36);
    counter.countHit();
    EXPECT_EQ(counter.hitCount, 0);
    counter.updateCounting(count);
    EXPECT_EQ(litInteriorCells(counter), 0);
}
