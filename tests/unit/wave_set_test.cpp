#include <gtest/gtest.h>

#include <cstdlib>

#include "enemy_world_fixture.h"
#include "entities/random.h"
#include "entities/wave_set.h"

namespace {

using WaveSetTest = EnemyWorldTest;

}  // namespace

TEST_F(WaveSetTest, Level1HasTheTablesShipsAndBlocks) {
    WaveSet& w = waves();
    EXPECT_EQ(w.levelNumber, 1);
    ASSERT_EQ(w.capitalShipCount, 4);
    ASSERT_EQ(w.blockCount, 21);
    ASSERT_EQ(w.capitalShips.size(), 4u);
    ASSERT_EQ(w.blocks.size(), 21u);

    EXPECT_EQ(ship(0).angleY, 180.0f);
    EXPECT_EQ(ship(1).position.y, 300.0f);
    EXPECT_EQ(ship(3).angleY, 90.0f);

    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(block(i).bumpMapped) << i;
        EXPECT_EQ(block(i).hueStep, 0.3f) << i;
    }
    EXPECT_EQ(block(6).position.y, 1000.0f);
    for (int i = 8; i < 20; ++i) {
        EXPECT_FALSE(block(i).bumpMapped) << i;
        EXPECT_TRUE(block(i).armed) << i;
        EXPECT_EQ(block(i).hueStep, 0.1f) << i;
    }
    EXPECT_EQ(block(19).box.min.z, -2200.0f);
    EXPECT_FALSE(block(20).armed);
    EXPECT_TRUE(block(20).counterDisplay);
    EXPECT_EQ(block(20).position.x, 2000.0f);
}

TEST_F(WaveSetTest, BuildDrawsRandomNumbersInLevelOrder) {
    // 4 ships x 6 timers, 8 hull blocks x 6 turrets, then the start hue.
    std::srand(555);
    for (int i = 0; i < 4 * 6 + 8 * 6; ++i) gameRand();
    const int startHue = static_cast<int>(randUnit() * 360.0f);
    const int firstColourTurret = randomGunCooldown();
    std::srand(555);
    WaveSet w(1);
    for (int i = 8; i < 20; ++i) EXPECT_EQ(w.blocks[i]->hue, static_cast<float>(startHue)) << i;
    EXPECT_EQ(w.blocks[8]->turrets[0].cooldown, firstColourTurret);
}

TEST_F(WaveSetTest, CountIsZeroBeforeTheFirstStepAnd124After) {
    EXPECT_EQ(world->enemiesLeft(), 0);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
}

TEST_F(WaveSetTest, ADestroyedTurretLeavesTheCountAtTheNextStep) {
    world->update();
    TurretBlock& target = block(8);
    PlayerBolt& bolt = placePlayerBolt(0, target.turrets[1].position, Vec3(1.0f, 0.0f, 0.0f));
    world->update();
    EXPECT_EQ(target.turrets[1].state, Inactive);
    EXPECT_EQ(world->enemiesLeft(), 124) << "counted before this step's hits";
    EXPECT_EQ(bolt.state, Inactive) << "the bolt sat inside the block";
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 123);
}

TEST_F(WaveSetTest, ADyingShipCountsUntilItHasShrunkAway) {
    world->update();
    ship(2).state = Dying;
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
    for (int draw = 0; draw < 11; ++draw) ship(2).advanceDrawState();
    EXPECT_EQ(ship(2).state, Inactive);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 123);
}

TEST_F(WaveSetTest, ColourBlocksKeepOneHue) {
    for (int step = 0; step < 3700; ++step) world->update();  // at least one wrap
    const float hue = block(8).hue;
    for (int i = 9; i < 20; ++i) EXPECT_EQ(block(i).hue, hue) << i;
    EXPECT_LE(hue, 360.0f);
}

TEST_F(WaveSetTest, ResetRevivesTurretsAndShipsButKeepsTheCounter) {
    world->update();
    block(3).turrets[2].state = Inactive;
    block(20).hitCount = 5;
    ship(0).state = Inactive;
    ship(0).scale = -0.5f;
    const float hue = block(3).hue;
    waves().resetAll();
    EXPECT_EQ(block(3).turrets[2].state, Active);
    EXPECT_EQ(ship(0).state, Active);
    EXPECT_EQ(ship(0).scale, 5.0f);
    EXPECT_EQ(block(20).hitCount, 5);
    EXPECT_EQ(block(3).hue, hue);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
}
