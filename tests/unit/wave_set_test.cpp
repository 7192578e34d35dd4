#include <string>
#include <vector>

#include "gfx/hud.h"
#include "world_fixture.h"

using WaveSetTest = WorldTest;

TEST_F(WaveSetTest, Level1BuildDrawsRandomNumbersInLevelOrder) {
    // 4 ships x 6 timers, 8 hull blocks x 6 turrets, then the colour blocks' start hue.
    seedGameRandom(555);
    for (int i = 0; i < 4 * 6 + 8 * 6; ++i) gameRand();
    const int startHue = static_cast<int>(randUnit() * 360.0f);
    const int firstColourTurret = randomGunCooldown();
    seedGameRandom(555);
    WaveSet w(1);
    for (int i = 8; i < 20; ++i) EXPECT_EQ(w.blocks[i]->hue, static_cast<float>(startHue)) << i;
    EXPECT_EQ(w.blocks[8]->turrets[0].cooldown, firstColourTurret);
}

TEST_F(WaveSetTest, RestartRevivesEveryEnemyAtFullStrengthAndRestartsTheMusicInOrder) {
    block(3).turrets[2].state = Inactive;
    block(20).hitCount = 5;
    ship(0).state = Inactive;
    ship(0).scale = -0.5f;
    ship(0).hitPoints = 0.0f;
    ship(1).hitPoints = 37.0f;
    world->score = 900;
    world->setGameOver(true);
    sounds.clear();
    world->restart();
    EXPECT_EQ(sounds.entries(), (std::vector<std::string>{"stop gamebeat.mp3", "stop gameover.mp3",
                                                            "play background0.mp3 from 0 repeat", "play siren.wav from 0"}));
    EXPECT_TRUE(block(3).turrets[2].state == Active && ship(0).state == Active && ship(0).scale == 5.0f);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ship(i).hitPoints, 160.0f) << i;
    EXPECT_TRUE(world->score == 0 && block(20).hitCount == 5) << "the score restarts, the counter block keeps its count";
    // Every turret and ship counts again, a dying ship too, on the HUD as the step counted them;
    // the HUD shows the whole score, however long the game.
    ship(2).state = Dying;
    world->update();
    world->score = 1234567;
    EXPECT_EQ(hudEnemiesLeftText(*world), "Enemies Left: 124");
    EXPECT_EQ(hudScoreText(*world), "Score: 1234567");
}
