#include <gtest/gtest.h>

#include <cstdlib>

#include "enemy_world_fixture.h"
#include "entities/wave_set.h"

using WaveSetTest = EnemyWorldTest;

TEST_F(WaveSetTest, Level1BuildDrawsRandomNumbersInLevelOrder) {
    // 4 ships x 6 timers, 8 hull blocks x 6 turrets, then the colour blocks' start hue.
    std::srand(555);
    for (int i = 0; i < 4 * 6 + 8 * 6; ++i) gameRand();
    const int startHue = static_cast<int>(randUnit() * 360.0f);
    const int firstColourTurret = randomGunCooldown();
    std::srand(555);
    WaveSet w(1);
    for (int i = 8; i < 20; ++i) EXPECT_EQ(w.blocks[i]->hue, static_cast<float>(startHue)) << i;
    EXPECT_EQ(w.blocks[8]->turrets[0].cooldown, firstColourTurret);
}

TEST_F(WaveSetTest, EnemiesLeftIsCountedBeforeEachStepsHits) {
    EXPECT_EQ(world->enemiesLeft(), 0);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
    placePlayerBolt(0, block(8).turrets[1].position, Vec3(1.0f, 0.0f, 0.0f));
    ship(2).state = Dying;
    world->update();
    EXPECT_EQ(block(8).turrets[1].state, Inactive);
    EXPECT_EQ(world->enemiesLeft(), 124);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 123) << "the dying ship still counts";
    for (int draw = 0; draw < 11; ++draw) ship(2).advanceDrawState();
    EXPECT_EQ(ship(2).state, Inactive);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 122);
}

TEST_F(WaveSetTest, ColourBlocksKeepOneHueAndResetRevivesEnemiesButKeepsTheCounter) {
    for (int step = 0; step < 3700; ++step) world->update();  // at least one hue wrap
    const float hue = block(8).hue;
    for (int i = 9; i < 20; ++i) EXPECT_EQ(block(i).hue, hue) << i;
    EXPECT_LE(hue, 360.0f);
    block(3).turrets[2].state = Inactive;
    block(20).hitCount = 5;
    ship(0).state = Inactive;
    ship(0).scale = -0.5f;
    world->waves->resetAll();
    EXPECT_EQ(block(3).turrets[2].state, Active);
    EXPECT_EQ(ship(0).state, Active);
    EXPECT_EQ(ship(0).scale, 5.0f);
    EXPECT_EQ(block(20).hitCount, 5);
    EXPECT_EQ(block(8).hue, hue);
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
}
