#include <gtest/gtest.h>

#include <cstdlib>

#include "enemy_world_fixture.h"
#include "entities/gl_rotation.h"
#include "entities/turret.h"

using TurretTest = EnemyWorldTest;

TEST_F(TurretTest, FiringScattersXYZInDrawOrderThenRearms) {
    Turret turret;
    turret.setPosition(30.0f, 40.0f, 0.0f);
    std::srand(77);
    const Vec3 expected = scatteredAim(Vec3(-30.0f, -40.0f, 0.0f));
    const int expectedCooldown = randomGunCooldown();
    // While cooling down it only aims, without a draw.
    turret.cooldown = 1;
    std::srand(77);
    EXPECT_EQ(turret.update(), 0);
    EXPECT_EQ(turret.cooldown, 0);
    EXPECT_EQ(world->nextEnemyBolt, 0);
    EXPECT_FLOAT_EQ(turret.aim.x, -0.6f);
    EXPECT_EQ(turret.update(), 0);
    EXPECT_EQ(world->nextEnemyBolt, 1);
    EXPECT_EQ(world->enemyBolts[0].state, Active);
    expectVec(world->enemyBolts[0].position, Vec3(30.0f, 40.0f, 0.0f));
    expectVec(world->enemyBolts[0].direction, expected);
    EXPECT_EQ(turret.aim.x, expected.x);
    EXPECT_EQ(turret.cooldown, expectedCooldown);
}

TEST_F(TurretTest, AimAnglesPointTheBarrelAlongTheAim) {
    Turret turret;
    float rotX = 1.0f, rotY = 1.0f;
    turret.aimAngles(rotX, rotY);  // along +z
    EXPECT_EQ(rotX, 0.0f);
    EXPECT_EQ(rotY, 0.0f);
    turret.aim = Vec3(0.0f, 0.0f, -1.0f);
    turret.aimAngles(rotX, rotY);
    EXPECT_FLOAT_EQ(rotX, -180.0f);
    EXPECT_FLOAT_EQ(rotY, 0.0f);
    // Whenever x or y of the aim is 0 a barrel modelled along +z, turned rotX
    // about x and then rotY about y, follows it exactly.
    const Vec3 aims[] = {{0.0f, 1.0f, 0.0f},   {1.0f, 0.0f, 0.0f},  {0.0f, 0.6f, -0.8f},
                         {0.0f, -0.6f, 0.8f},  {-0.8f, 0.0f, -0.6f}, {0.6f, 0.0f, 0.8f},
                         {0.0f, -1.0f, 0.0f}};
    for (const Vec3& aim : aims) {
        turret.aim = aim;
        turret.aimAngles(rotX, rotY);
        const Matrix4 m = glMultiply(glRotationMatrix(rotX, 1.0f, 0.0f, 0.0f),
                                     glRotationMatrix(rotY, 0.0f, 1.0f, 0.0f));
        SCOPED_TRACE(testing::Message() << aim.x << " " << aim.y << " " << aim.z);
        expectVec(Vec3(m[8], m[9], m[10]), aim, 1e-5f);
    }
}

TEST_F(TurretTest, BoxIsTheTruncatedScaleTimesThreeAndAHitExplodesScoresAndKills) {
    Turret turret;
    turret.scale = 5.5f;  // 16.5 truncates to 16
    turret.setPosition(0.0f, 0.0f, 0.0f);
    expectVec(turret.box.max, Vec3(16.0f, 16.0f, 16.0f));
    turret.scale = 5.0f;
    turret.setPosition(100.0f, 0.0f, 0.0f);
    expectVec(turret.box.min, Vec3(85.0f, -15.0f, -15.0f));
    PlayerBolt bolt;
    bolt.direction = Vec3(1.0f, 0.0f, 0.0f);
    bolt.state = Active;
    bolt.setPosition(Vec3(115.0f, 0.0f, 0.0f));  // on the face, tip outside
    EXPECT_FALSE(turret.testHit(bolt));
    bolt.setPosition(Vec3(80.0f, 0.0f, 0.0f));  // outside, tip (8 units ahead) inside
    EXPECT_TRUE(turret.testHit(bolt));
    EXPECT_EQ(turret.state, Inactive);
    EXPECT_EQ(world->score, 100);
    EXPECT_EQ(world->nextExplosion, 1);
    EXPECT_EQ(world->explosions[0].particleCount, 100);
    EXPECT_EQ(world->explosions[0].position.x, 100.0f);
    EXPECT_EQ(recorder.entries(), std::vector<std::string>{"play smallExplode.wav from 0"});
    EXPECT_EQ(bolt.state, Active) << "a turret hit does not stop the bolt";
    // A destroyed turret reports a hit and changes nothing.
    bolt.setPosition(Vec3(5000.0f, 0.0f, 0.0f));
    EXPECT_TRUE(turret.testHit(bolt));
    EXPECT_EQ(world->score, 100);
    EXPECT_EQ(world->nextExplosion, 1);
    EXPECT_EQ(recorder.entries().size(), 1u);
}
