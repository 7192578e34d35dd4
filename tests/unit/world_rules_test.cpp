#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "enemy_world_fixture.h"

namespace {

using WorldRulesTest = EnemyWorldTest;

const std::vector<std::string> kBattleStart = {"play background0.mp3 from 0 repeat",
                                               "play siren.wav from 0"};
const std::vector<std::string> kDeath = {"play smallExplode.wav from 0", "stop background0.mp3",
                                         "play gameover.mp3 repeat from 0"};
const std::vector<std::string> kWin = {"stop background0.mp3", "play gamebeat.mp3 from 0"};

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// An enemy bolt that flies through the ship at the origin in the next step.
void aimEnemyBoltAtShip(World& world, int slot) {
    EnemyBolt& bolt = world.enemyBolts[slot];
    bolt.setPosition(Vec3(0.0f, 0.0f, 10.0f));
    bolt.direction = Vec3(0.0f, 0.0f, -1.0f);
    bolt.state = Active;
}

}  // namespace

TEST_F(WorldRulesTest, BoltInsideABlockIsStoppedAndStillKillsThatBlocksTurrets) {
    world->update();  // places the turrets
    TurretBlock& target = block(8);  // centre (250, 250, -1000); turret 0 at (450, 250, -1000)
    PlayerBolt& bolt = placePlayerBolt(0, Vec3(440.0f, 250.0f, -1000.0f), Vec3(1.0f, 0.0f, 0.0f));
    recorder.clear();
    world->update();
    EXPECT_EQ(bolt.state, Inactive);
    EXPECT_EQ(target.turrets[0].state, Inactive);
    EXPECT_EQ(world->score, 100);
    EXPECT_EQ(target.hitCount, 0);
    EXPECT_EQ(recorder.entries(), std::vector<std::string>{"play smallExplode.wav from 0"});
}

TEST_F(WorldRulesTest, ATurretHitDoesNotStopTheBolt) {
    world->update();
    // Turret 2 of block 8 sits at (250, 450, -1000): a bolt just above the
    // block's top face, pointing up, hits the turret but not the block.
    PlayerBolt& bolt = placePlayerBolt(0, Vec3(250.0f, 452.0f, -1000.0f), Vec3(0.0f, 1.0f, 0.0f));
    world->update();
    EXPECT_EQ(block(8).turrets[2].state, Inactive);
    EXPECT_EQ(bolt.state, Active);
    EXPECT_EQ(world->score, 100);
}

TEST_F(WorldRulesTest, CounterBlockCountsEveryAbsorbedBolt) {
    world->update();
    for (int i = 0; i < 3; ++i) {
        placePlayerBolt(i, Vec3(2000.0f, 10.0f * i, 0.0f), Vec3(0.0f, 0.0f, 1.0f));
    }
    world->update();
    EXPECT_EQ(block(20).hitCount, 3);
    EXPECT_EQ(world->score, 0);
    EXPECT_EQ(world->enemiesLeft(), 124);
}

TEST_F(WorldRulesTest, TwoBoltsOnACapitalShipInOneStepCostTwo) {
    world->update();
    placePlayerBolt(0, Vec3(1500.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    placePlayerBolt(1, Vec3(1400.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    world->update();
    EXPECT_EQ(ship(0).hitPoints, 158.0f);
    EXPECT_EQ(ship(0).hitFlash, 1);
    EXPECT_EQ(world->playerBolts[0].state, Inactive);
    EXPECT_EQ(world->playerBolts[1].state, Inactive);
}

TEST_F(WorldRulesTest, TheKillingHitScoresOnceAndLaterBoltsPassThrough) {
    world->update();
    ship(0).hitPoints = 1.0f;
    recorder.clear();
    placePlayerBolt(0, Vec3(1500.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    placePlayerBolt(1, Vec3(1400.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    world->update();
    EXPECT_EQ(ship(0).state, Dying);
    EXPECT_EQ(world->score, 10000);
    EXPECT_EQ(world->playerBolts[0].state, Inactive);
    EXPECT_EQ(world->playerBolts[1].state, Active);
    EXPECT_EQ(countEntries("play bigExplode.wav from 0"), 1);
    world->update();
    EXPECT_EQ(world->score, 10000);
}

TEST_F(WorldRulesTest, InvincibleShipUsesUpBoltsWithoutDamage) {
    world->player->invincible = true;
    aimEnemyBoltAtShip(*world, 0);
    world->update();
    EXPECT_EQ(world->enemyBolts[0].state, Inactive);
    EXPECT_EQ(world->player->health, 1.0f);

    world->player->invincible = false;
    aimEnemyBoltAtShip(*world, 1);
    world->update();
    EXPECT_EQ(world->enemyBolts[1].state, Inactive);
    EXPECT_EQ(world->player->health, 0.99f);
}

TEST_F(WorldRulesTest, OneHullPointInsideABlockDestroysTheShip) {
    // Facing -z just short of block 8's face at z = -800: only the nose probe is inside.
    world->player->setPosition(250.0f, 250.0f, -799.5f);
    world->update();
    EXPECT_EQ(world->player->state, Inactive);
    EXPECT_EQ(world->player->health, 0.0f);
    EXPECT_TRUE(world->gameOver);
    EXPECT_EQ(world->nextExplosion, 1);
    EXPECT_EQ(world->explosions[0].particleCount, 30);
    EXPECT_EQ(recorder.entries(), concat({kDeath, kBattleStart}));

    // From the next step on the dead ship is neither hit nor damaged again.
    recorder.clear();
    world->update();
    EXPECT_EQ(world->nextExplosion, 1);
    EXPECT_TRUE(recorder.entries().empty());
}

TEST_F(WorldRulesTest, TouchingAShipDestroysButADyingShipDoesNot) {
    world->update();
    ship(0).state = Dying;
    world->player->setPosition(1500.0f, 0.0f, 300.0f);
    world->update();
    EXPECT_EQ(world->player->state, Active);

    ship(0).state = Active;
    world->update();
    EXPECT_EQ(world->player->state, Inactive);
}

TEST_F(WorldRulesTest, DamageAfterDeathInTheSameStepRepeatsTheDeath) {
    world->player->health = 0.01f;
    aimEnemyBoltAtShip(*world, 0);
    world->player->setPosition(250.0f, 250.0f, -799.5f);
    // The bolt flies away from the ship along a line through its hull, clear of the block.
    world->enemyBolts[0].setPosition(Vec3(250.0f, 250.0f, -740.0f));
    world->enemyBolts[0].direction = Vec3(0.0f, 0.0f, 1.0f);
    world->update();
    EXPECT_EQ(world->player->state, Inactive);
    EXPECT_EQ(world->nextExplosion, 2);
    EXPECT_EQ(world->explosions[0].state, Active);
    EXPECT_EQ(world->explosions[1].state, Active);
    EXPECT_EQ(world->explosions[1].particleCount, 30);
    EXPECT_EQ(recorder.entries(), concat({kDeath, kDeath, kBattleStart}));
}

TEST_F(WorldRulesTest, BattleStartCuesPlayOnceOnTheFirstStep) {
    world->update();
    EXPECT_EQ(recorder.entries(), kBattleStart);
    EXPECT_TRUE(world->battleMusicStarted);
    world->update();
    EXPECT_EQ(recorder.entries(), kBattleStart);
}

TEST_F(WorldRulesTest, WinIsFoundInTheStepAfterTheLastKill) {
    world->update();
    for (int s = 0; s < 4; ++s) ship(s).state = Inactive;
    for (int b = 0; b < 20; ++b) {
        for (Turret& turret : block(b).turrets) turret.state = Inactive;
    }
    Turret& last = block(8).turrets[0];
    last.state = Active;
    placePlayerBolt(0, Vec3(440.0f, 250.0f, -1000.0f), Vec3(1.0f, 0.0f, 0.0f));
    recorder.clear();

    world->update();
    EXPECT_EQ(last.state, Inactive);
    EXPECT_EQ(world->enemiesLeft(), 1);
    EXPECT_FALSE(world->won);
    EXPECT_FALSE(world->player->invincible);

    recorder.clear();
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 0);
    EXPECT_TRUE(world->won);
    EXPECT_TRUE(world->player->invincible);
    EXPECT_EQ(recorder.entries(), kWin);

    recorder.clear();
    world->update();
    EXPECT_TRUE(recorder.entries().empty()) << "the victory music starts once";
}
