#include <gtest/gtest.h>

#include "enemy_world_fixture.h"
#include "entities/turret_block.h"

namespace {

using TurretBlockTest = EnemyWorldTest;

int litInteriorCells(const TurretBlock& block) {
    int lit = 0;
    for (int row = 1; row <= 6; ++row) {
        for (int column = 1; column <= 6; ++column) {
            const std::uint8_t* texel = block.counterImage + (row * 8 + column) * 4;
            if (texel[0] == 255 && texel[1] == 255 && texel[2] == 255) lit += 1;
        }
    }
    return lit;
}

bool borderLit(const TurretBlock& block) {
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (row != 0 && row != 7 && column != 0 && column != 7) continue;
            const std::uint8_t* texel = block.counterImage + (row * 8 + column) * 4;
            if (texel[0] != 255 || texel[1] != 255 || texel[2] != 255 || texel[3] != 255) return false;
        }
    }
    return true;
}

}  // namespace

TEST_F(TurretBlockTest, BoxUsesTheTruncatedHalfEdgeAndFacesAreOutside) {
    TurretBlock block;
    block.setPosition(Vec3(250.0f, 0.0f, 1000.0f));
    EXPECT_EQ(block.box.min.x, 50.0f);
    EXPECT_EQ(block.box.max.x, 450.0f);
    EXPECT_EQ(block.box.min.z, 800.0f);
    EXPECT_TRUE(block.containsPoint(250.0f, 0.0f, 1000.0f));
    EXPECT_FALSE(block.containsPoint(450.0f, 0.0f, 1000.0f));

    block.size = 401.0f;  // half edge 200.5 truncates to 200
    block.setPosition(0.0f, 0.0f, 0.0f);
    EXPECT_EQ(block.box.max.y, 200.0f);

    // A bolt starting exactly on a face is only absorbed if it heads inwards.
    block.size = 400.0f;
    block.setPosition(250.0f, 0.0f, 1000.0f);
    EnemyBolt bolt;
    bolt.setPosition(Vec3(450.0f, 0.0f, 1000.0f));
    bolt.direction = Vec3(1.0f, 0.0f, 0.0f);
    EXPECT_FALSE(block.absorbsBolt(bolt));
    bolt.direction = Vec3(-1.0f, 0.0f, 0.0f);
    EXPECT_TRUE(block.absorbsBolt(bolt));
    // Tip only: 7 units short of the face, tip 1 unit inside.
    bolt.setPosition(Vec3(457.0f, 0.0f, 1000.0f));
    EXPECT_TRUE(block.absorbsBolt(bolt));
    bolt.setPosition(Vec3(458.0f, 0.0f, 1000.0f));
    EXPECT_FALSE(block.absorbsBolt(bolt));
}

TEST_F(TurretBlockTest, UpdatePlacesTurretsOnTheFaceCentresInTableOrder) {
    TurretBlock block;
    block.setPosition(10.0f, 20.0f, 30.0f);
    int count = -1;
    block.updateCounting(count);
    EXPECT_EQ(count, 6);
    const Vec3 expected[6] = {{210.0f, 20.0f, 30.0f}, {-190.0f, 20.0f, 30.0f},
                              {10.0f, 220.0f, 30.0f}, {10.0f, -180.0f, 30.0f},
                              {10.0f, 20.0f, 230.0f}, {10.0f, 20.0f, -170.0f}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(block.turrets[k].position.x, expected[k].x) << k;
        EXPECT_EQ(block.turrets[k].position.y, expected[k].y) << k;
        EXPECT_EQ(block.turrets[k].position.z, expected[k].z) << k;
        EXPECT_EQ(block.turrets[k].box.max.x, expected[k].x + 15.0f) << k;
    }
}

TEST_F(TurretBlockTest, CountsLiveTurretsAndRevivesThemKeepingCooldowns) {
    TurretBlock block;
    block.setPosition(0.0f, 0.0f, -1000.0f);
    block.turrets[1].state = Inactive;
    block.turrets[4].state = Inactive;
    block.turrets[4].cooldown = 0;
    int count = 0;
    block.updateCounting(count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(block.turrets[4].cooldown, 0) << "a destroyed turret is not updated";

    block.reviveTurrets();
    for (const Turret& turret : block.turrets) EXPECT_EQ(turret.state, Active);
    EXPECT_EQ(block.turrets[4].cooldown, 0);
    block.updateCounting(count);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(world->nextEnemyBolt, 1) << "the revived turret fires once its cooldown has run down";
}

TEST_F(TurretBlockTest, UnarmedTurretsAreNeverPlacedUpdatedOrCounted) {
    TurretBlock block;
    block.setPosition(2000.0f, 0.0f, 0.0f);
    block.armed = false;
    for (Turret& turret : block.turrets) turret.cooldown = 0;
    for (int step = 0; step < 20; ++step) {
        int count = -1;
        block.updateCounting(count);
        ASSERT_EQ(count, 0);
    }
    EXPECT_EQ(world->nextEnemyBolt, 0);
    for (const Turret& turret : block.turrets) {
        EXPECT_EQ(turret.position.x, 0.0f);
        EXPECT_EQ(turret.cooldown, 0);
        EXPECT_EQ(turret.box.max.x, 0.0f);
        EXPECT_EQ(turret.aim.z, 0.0f);
    }
    // With empty boxes no bolt can hit them, even one at the origin.
    PlayerBolt bolt;
    bolt.state = Active;
    block.hitTurrets(bolt);
    for (const Turret& turret : block.turrets) EXPECT_EQ(turret.state, Active);
    EXPECT_EQ(world->score, 0);
}

TEST_F(TurretBlockTest, HueWrapsToZeroOnlyAbove360) {
    TurretBlock block;
    block.armed = false;
    block.hueStep = 0.5f;
    block.hue = 359.5f;
    int count = 0;
    block.updateCounting(count);
    EXPECT_EQ(block.hue, 360.0f) << "exactly 360 stays for one step";
    block.updateCounting(count);
    EXPECT_EQ(block.hue, 0.0f) << "no carry of the excess";
}

TEST_F(TurretBlockTest, CounterLightsOneCellPerHitAndClearsOnThe37th) {
    TurretBlock plain;
    for (int i = 0; i < 5; ++i) plain.countHit();
    EXPECT_EQ(plain.hitCount, 0) << "only the counter block counts hits";

    TurretBlock counter;
    counter.armed = false;
    counter.counterDisplay = true;
    int count = 0;
    counter.updateCounting(count);
    EXPECT_EQ(litInteriorCells(counter), 0);
    EXPECT_TRUE(borderLit(counter));
    EXPECT_EQ(counter.counterImage[(1 * 8 + 1) * 4], 30);
    EXPECT_EQ(counter.counterImage[(1 * 8 + 1) * 4 + 3], 255);
    EXPECT_TRUE(counter.counterImageDirty);

    // Unchanged image: nothing to upload.
    counter.counterImageDirty = false;
    counter.updateCounting(count);
    EXPECT_FALSE(counter.counterImageDirty);

    for (int hit = 1; hit <= 36; ++hit) {
        counter.countHit();
        counter.updateCounting(count);
        ASSERT_EQ(litInteriorCells(counter), hit);
    }
    EXPECT_TRUE(counter.counterImageDirty);
    // Cells are lit in row order: the 7th hit lit row 2, column 1.
    EXPECT_EQ(counter.counterImage[(2 * 8 + 1) * 4], 255);
    EXPECT_EQ(counter.hitCount, 36);

    counter.countHit();
    EXPECT_EQ(counter.hitCount, 0);
    counter.updateCounting(count);
    EXPECT_EQ(litInteriorCells(counter), 0);
    EXPECT_TRUE(borderLit(counter));
    EXPECT_EQ(count, 0);
}

