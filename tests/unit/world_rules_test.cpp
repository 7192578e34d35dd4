#include <string>
#include <vector>

#include "world_fixture.h"

using WorldRulesTest = WorldTest;
using Cues = std::vector<std::string>;

const Cues kBattleStart = {"play background0.mp3 from 0 repeat", "play siren.wav from 0"};
const Cues kDeath = {"play smallExplode.wav from 0", "stop background0.mp3",
                     "play gameover.mp3 repeat from 0"};
const Cues kWin = {"stop background0.mp3", "play gamebeat.mp3 from 0"};

TEST_F(WorldRulesTest, BlocksAndCapitalShipsStopBoltsButTurretHitsDoNot) {
    world->update();  // places the turrets
    TurretBlock& target = block(8);  // centre (250, 250, -1000), edge 400
    // Inside the block, next to turret 0 at (450, 250, -1000).
    PlayerBolt& inside = placePlayerBolt(0, Vec3(440.0f, 250.0f, -1000.0f), Vec3(1.0f, 0.0f, 0.0f));
    // Just above the top face, pointing up: hits turret 2 but not the block.
    PlayerBolt& above = placePlayerBolt(1, Vec3(250.0f, 452.0f, -1000.0f), Vec3(0.0f, 1.0f, 0.0f));
    for (int i = 0; i < 3; ++i) placePlayerBolt(2 + i, Vec3(2000.0f, 10.0f * i, 0.0f), Vec3(0.0f, 0.0f, 1.0f));
    // Two bolts on one capital ship in the same step.
    PlayerBolt& first = placePlayerBolt(5, Vec3(1500.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    PlayerBolt& second = placePlayerBolt(6, Vec3(1400.0f, 0.0f, 300.0f), Vec3(0.0f, 0.0f, -1.0f));
    world->update();
    EXPECT_TRUE(inside.state == Inactive && target.turrets[0].state == Inactive);
    EXPECT_TRUE(above.state == Active && target.turrets[2].state == Inactive);
    EXPECT_EQ(world->score, 200);
    EXPECT_EQ(block(20).hitCount, 3) << "the counter block counts every bolt it stops";
    EXPECT_EQ(ship(0).hitPoints, 158.0f);
    EXPECT_TRUE(first.state == Inactive && second.state == Inactive);
}

TEST_F(WorldRulesTest, InvincibilityUsesUpBoltsAndTouchingALiveShipDestroys) {
    for (bool invincible : {true, false}) {
        world->player->invincible = invincible;
        const int slot = world->nextEnemyBolt;
        world->fireEnemyBolt(Vec3(0.0f, 0.0f, 10.0f), Vec3(0.0f, 0.0f, -1.0f));
        world->update();
        EXPECT_EQ(world->enemyBolts[slot].state, Inactive);
        EXPECT_EQ(world->player->health, invincible ? 1.0f : 0.99f);
    }
    ship(0).state = Dying;
    world->player->setPosition(1500.0f, 0.0f, 300.0f);
    world->update();
    EXPECT_EQ(world->player->state, Active) << "a dying ship is not touched";
    ship(0).state = Active;
    world->update();
    EXPECT_EQ(world->player->state, Inactive);
}

TEST_F(WorldRulesTest, OneHullPointInsideABlockDestroysTheShipAndLaterDamageRepeatsTheDeath) {
    world->player->health = 0.01f;
    // Facing -z just short of block 8's face at z = -800: only the nose probe is inside.
    world->player->setPosition(250.0f, 250.0f, -799.5f);
    // An enemy bolt flies away from the ship along a line through its hull, clear of the block.
    world->fireEnemyBolt(Vec3(250.0f, 250.0f, -740.0f), Vec3(0.0f, 0.0f, 1.0f));
    world->update();
    EXPECT_TRUE(world->player->state == Inactive && world->gameOver);
    EXPECT_EQ(world->nextExplosion, 2);
    Cues expected = kDeath;
    for (const Cues* part : {&kDeath, &kBattleStart}) expected.insert(expected.end(), part->begin(), part->end());
    EXPECT_EQ(sounds.entries(), expected);
    // From the next step on the dead ship is neither hit nor damaged again.
    sounds.clear();
    world->update();
    EXPECT_TRUE(world->nextExplosion == 2 && sounds.entries().empty());
}

TEST_F(WorldRulesTest, BattleStartsOnceAndTheWinIsFoundInTheStepAfterTheLastKill) {
    world->update();
    EXPECT_EQ(sounds.entries(), kBattleStart);
    for (int s = 0; s < 4; ++s) ship(s).state = Inactive;
    for (int b = 0; b < 20; ++b)
        for (Turret& turret : block(b).turrets) turret.state = Inactive;
    Turret& last = block(8).turrets[0];
    last.state = Active;
    placePlayerBolt(0, Vec3(440.0f, 250.0f, -1000.0f), Vec3(1.0f, 0.0f, 0.0f));
    sounds.clear();
    world->update();
    EXPECT_FALSE(world->won || world->player->invincible);
    EXPECT_EQ(sounds.entries(), Cues{"play smallExplode.wav from 0"}) << "no second battle start";
    sounds.clear();
    world->update();
    EXPECT_TRUE(world->won && world->player->invincible);
    world->update();
    EXPECT_EQ(sounds.entries(), kWin) << "the victory music starts once";
}
