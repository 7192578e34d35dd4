#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "enemy_world_fixture.h"

using WorldRulesTest = EnemyWorldTest;
using Cues = std::vector<std::string>;

const Cues kBattleStart = {"play background0.mp3 from 0 repeat", "play siren.wav from 0"};
const Cues kDeath = {"play smallExplode.wav from 0", "stop background0.mp3",
                     "play gameover.mp3 repeat from 0"};
const Cues kWin = {"stop background0.mp3", "play gamebeat.mp3 from 0"};

// An enemy bolt at p flying along d in the next step.
static void placeEnemyBolt(World& world, int slot, const Vec3& p, const Vec3& d) {
    EnemyBolt& bolt = world.enemyBolts[slot];
    bolt.setPosition(p);
    bolt.direction = d;
    bolt.state = Active;
}

TEST_F(WorldRulesTest, BlocksAndCapitalShipsStopBoltsButTurretHitsDoNot) {
    world->update();  // places the turrets
    TurretBlock& target = block(8);  // centre (250, 250, -1000), edge 400
    // Inside the block, next to turret 0 at (450, 250, -1000).
    PlayerBolt& inside = placePlayerBolt(0, Vec3(440.0f, 250.0f, -1000.0f), Vec3(1.0f, 0.0f, 0.0f));
    // Just above the top face, pointing up: hits turret 2 but not the block.
    PlayerBolt& above = placePlayerBolt(1, Vec3(250.0f, 452.0f, -1000.0f), Vec3(0.0f, 1.0f, 0.0f));
    for (int i = 0; i < 3; ++i) placePlayerBolt(2 + i, Vec3(2000.0f, 10.0f * i, 0.0f), Vec3(0.0f, 0.0f, 1.0f));
    // Two bolts on one capital ship in the same step.
    placePlayerBolt(5, Vec3(1500.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    placePlayerBolt(6, Vec3(1400.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    recorder.clear();
    world->update();
    EXPECT_EQ(inside.state, Inactive);
    EXPECT_EQ(target.turrets[0].state, Inactive);
    EXPECT_EQ(above.state, Active);
    EXPECT_EQ(target.turrets[2].state, Inactive);
    EXPECT_EQ(world->score, 200);
    EXPECT_EQ(target.hitCount, 0);
    EXPECT_EQ(block(20).hitCount, 3) << "the counter block counts every bolt it stops";
    EXPECT_EQ(recorder.entries(), Cues(2, "play smallExplode.wav from 0"));
    EXPECT_EQ(ship(0).hitPoints, 158.0f);
    EXPECT_EQ(ship(0).hitFlash, 1);
    EXPECT_EQ(world->playerBolts[5].state, Inactive);
    EXPECT_EQ(world->playerBolts[6].state, Inactive);
}

TEST_F(WorldRulesTest, InvincibilityUsesUpBoltsAndTouchingALiveShipDestroys) {
    for (bool invincible : {true, false}) {
        world->player->invincible = invincible;
        placeEnemyBolt(*world, 0, Vec3(0.0f, 0.0f, 10.0f), Vec3(0.0f, 0.0f, -1.0f));
        world->update();
        EXPECT_EQ(world->enemyBolts[0].state, Inactive);
        EXPECT_EQ(world->player->health, invincible ? 1.0f : 0.99f);
    }
    // Touching a capital ship destroys the player's ship, unless it is dying.
    ship(0).state = Dying;
    world->player->setPosition(1500.0f, 0.0f, 300.0f);
    world->update();
    EXPECT_EQ(world->player->state, Active);
    ship(0).state = Active;
    world->update();
    EXPECT_EQ(world->player->state, Inactive);
}

TEST_F(WorldRulesTest, OneHullPointInsideABlockDestroysTheShipAndLaterDamageRepeatsTheDeath) {
    world->player->health = 0.01f;
    // Facing -z just short of block 8's face at z = -800: only the nose probe is inside.
    world->player->setPosition(250.0f, 250.0f, -799.5f);
    // An enemy bolt flies away from the ship along a line through its hull, clear of the block.
    placeEnemyBolt(*world, 0, Vec3(250.0f, 250.0f, -740.0f), Vec3(0.0f, 0.0f, 1.0f));
    world->update();
    EXPECT_EQ(world->player->state, Inactive);
    EXPECT_EQ(world->player->health, 0.0f);
    EXPECT_TRUE(world->gameOver);
    EXPECT_EQ(world->nextExplosion, 2);
    EXPECT_EQ(world->explosions[0].particleCount, 30);
    EXPECT_EQ(world->explosions[1].particleCount, 30);
    Cues expected = kDeath;
    for (const Cues* part : {&kDeath, &kBattleStart}) expected.insert(expected.end(), part->begin(), part->end());
    EXPECT_EQ(recorder.entries(), expected);
    // From the next step on the dead ship is neither hit nor damaged again.
    recorder.clear();
    world->update();
    EXPECT_EQ(world->nextExplosion, 2);
    EXPECT_TRUE(recorder.entries().empty());
}

TEST_F(WorldRulesTest, BattleStartsOnceAndTheWinIsFoundInTheStepAfterTheLastKill) {
    world->update();
    EXPECT_EQ(recorder.entries(), kBattleStart);
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
    EXPECT_EQ(recorder.entries(), Cues{"play smallExplode.wav from 0"}) << "no second battle start";
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
