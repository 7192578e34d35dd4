#include <utility>

#include "entities/gl_rotation.h"
#include "entities/turret.h"
#include "world_fixture.h"

using TurretTest = WorldTest;

TEST_F(TurretTest, FiringScattersXYZInDrawOrderThenRearms) {
    Turret turret;
    turret.setPosition(30.0f, 40.0f, 0.0f);
    seedGameRandom(77);
    const Vec3 expected = scatteredAim(Vec3(-30.0f, -40.0f, 0.0f));
    const int expectedCooldown = randomGunCooldown();
    // While cooling down it only aims, without a draw.
    turret.cooldown = 1;
    seedGameRandom(77);
    EXPECT_TRUE(turret.update() == 0 && world->nextEnemyBolt == 0);
    EXPECT_EQ(turret.update(), 0);
    ASSERT_EQ(world->nextEnemyBolt, 1);
    expectVec(world->enemyBolts[0].direction, expected);
    EXPECT_EQ(turret.cooldown, expectedCooldown);

    // At the ship's own position the aim is zero and the scatter alone gives the direction.
    turret.setPosition(world->player->position);
    turret.cooldown = 0;
    seedGameRandom(78);
    const Vec3 scatterOnly = scatteredAim(Vec3());
    seedGameRandom(78);
    turret.update();
    ASSERT_EQ(world->nextEnemyBolt, 2);
    expectVec(world->enemyBolts[1].direction, scatterOnly);
}

TEST_F(TurretTest, AimAnglesPointTheBarrelAlongTheAim) {
    Turret turret;
    float rotX = 1.0f, rotY = 1.0f;
    turret.aimAngles(rotX, rotY);  // no aim yet: the barrel rests along +z
    EXPECT_EQ(std::make_pair(rotX, rotY), std::make_pair(0.0f, 0.0f));
    // Whenever x or y of the aim is 0 a barrel modelled along +z, turned rotX
    // about x and then rotY about y, follows it exactly.
    const Vec3 aims[] = {{0.0f, 0.0f, -1.0f}, {0.0f, 1.0f, 0.0f},   {1.0f, 0.0f, 0.0f}, {0.0f, 0.6f, -0.8f},
                         {0.0f, -0.6f, 0.8f}, {-0.8f, 0.0f, -0.6f}, {0.6f, 0.0f, 0.8f}, {0.0f, -1.0f, 0.0f}};
    for (const Vec3& aim : aims) {
        turret.aim = aim;
        turret.aimAngles(rotX, rotY);
        const Matrix4 m = glMultiply(glRotationMatrix(rotX, 1.0f, 0.0f, 0.0f), glRotationMatrix(rotY, 0.0f, 1.0f, 0.0f));
        expectVec(Vec3(m[8], m[9], m[10]), aim, 1e-5f);
    }
}

TEST_F(TurretTest, BoxIsTheTruncatedScaleTimesThreeAndAHitExplodesScoresAndKills) {
    Turret turret;
    turret.scale = 5.5f;  // 16.5 truncates to 16
    turret.setPosition(100.0f, 0.0f, 0.0f);
    PlayerBolt bolt;
    bolt.direction = Vec3(1.0f, 0.0f, 0.0f);
    bolt.state = Active;
    bolt.setPosition(Vec3(116.0f, 0.0f, 0.0f));  // on the face, tip outside
    EXPECT_FALSE(turret.testHit(bolt));
    bolt.setPosition(Vec3(78.0f, 0.0f, 0.0f));  // outside, tip (8 units ahead) inside
    EXPECT_TRUE(turret.testHit(bolt));
    EXPECT_TRUE(turret.state == Inactive && world->score == 100 && world->nextExplosion == 1);
    EXPECT_EQ(sounds.entries(), std::vector<std::string>{"play smallExplode.wav from 0"});
    // A destroyed turret reports a hit and changes nothing.
    bolt.setPosition(Vec3(5000.0f, 0.0f, 0.0f));
    EXPECT_TRUE(turret.testHit(bolt) && world->score == 100 && world->nextExplosion == 1 && sounds.entries().size() == 1u);
}
