#include <string>
#include <tuple>
#include <vector>

#include "world_fixture.h"

using WaveSetTest = WorldTest;

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
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
    placePlayerBolt(0, block(8).turrets[1].position, Vec3(1.0f, 0.0f, 0.0f));
    ship(2).state = Dying;
    world->update();
    EXPECT_TRUE(block(8).turrets[1].state == Inactive && world->enemiesLeft() == 124) << "counted before the hit";
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 123) << "the dying ship still counts";
}

TEST_F(WaveSetTest, Level1PlacesEveryShipAndBlockAndGivesEachBlockItsKind) {
    // Angles x, y, z, then the position.
    const float ships[4][6] = {{0, 180, 0, 1500, 0, 300}, {0, 90, 0, -1000, 300, 100},
                               {0, 90, 0, -1400, 100, -150}, {0, 90, 0, -1250, -100, -200}};
    for (int i = 0; i < 4; ++i) {
        expectVec(Vec3(ship(i).angleX, ship(i).angleY, ship(i).angleZ), Vec3(ships[i][0], ships[i][1], ships[i][2]));
        expectVec(ship(i).position, Vec3(ships[i][3], ships[i][4], ships[i][5]));
    }
    // Eight bump-mapped hull blocks behind the start, twelve colour blocks ahead, the counter block.
    const float blocks[21][3] = {
        {250, 0, 1000},     {-250, 0, 1000},     {250, 0, 1500},      {-250, 0, 1500},     {250, 500, 1500},
        {-250, 500, 1500},  {250, 1000, 1500},   {-250, 1000, 1500},  {250, 250, -1000},   {-250, 250, -1000},
        {250, 250, -1500},  {-250, 250, -1500},  {250, 250, -2000},   {-250, 250, -2000},  {250, -250, -1000},
        {-250, -250, -1000}, {250, -250, -1500}, {-250, -250, -1500}, {250, -250, -2000}, {-250, -250, -2000},
        {2000, 0, 0}};
    ASSERT_EQ(world->waves->blocks.size(), 21u);
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE(i);
        expectVec(block(i).position, Vec3(blocks[i][0], blocks[i][1], blocks[i][2]));
        EXPECT_EQ(std::make_tuple(block(i).bumpMapped, block(i).hueStep, block(i).armed, block(i).counterDisplay),
                  std::make_tuple(i < 8, i >= 8 && i < 20 ? 0.1f : 0.3f, i < 20, i == 20));
    }
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
    world->update();
    EXPECT_EQ(world->enemiesLeft(), 124);
}
