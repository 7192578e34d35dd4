#include <gtest/gtest.h>

#include <cstdlib>

#include "enemy_world_fixture.h"
#include "entities/gl_rotation.h"
#include "entities/random.h"
#include "entities/turret.h"

namespace {

using TurretTest = EnemyWorldTest;

// The direction a barrel modelled along +z takes after rotX about x, then rotY about y.
Vec3 barrelDirection(float rotX, float rotY) {
    const Matrix4 m = glMultiply(glRotationMatrix(rotX, 1.0f, 0.0f, 0.0f),
                                 glRotationMatrix(rotY, 0.0f, 1.0f, 0.0f));
    return Vec3(m[8], m[9], m[10]);
}

}  // namespace

TEST_F(TurretTest, ConstructionDrawsOneCooldownFrom8To15) {
    std::srand(99);
    const int expected = randomGunCooldown();
    const int next = gameRand();
    std::srand(99);
    Turret turret;
    EXPECT_EQ(turret.cooldown, expected);
    EXPECT_EQ(gameRand(), next) << "the constructor must draw exactly once";
    EXPECT_EQ(turret.state, Active);
    EXPECT_EQ(turret.scale, 5.0f);
}

TEST_F(TurretTest, BoxHalfExtentIsTheTruncatedScaleTimesThree) {
    Turret turret;
    turret.setPosition(Vec3(100.0f, -20.0f, 7.5f));
    EXPECT_EQ(turret.position.x, 100.0f);
    EXPECT_EQ(turret.box.min.x, 85.0f);
    EXPECT_EQ(turret.box.max.y, -5.0f);
    EXPECT_EQ(turret.box.min.z, -7.5f);

    turret.scale = 5.5f;  // 16.5 truncates to 16
    turret.setPosition(0.0f, 0.0f, 0.0f);
    EXPECT_EQ(turret.box.min.x, -16.0f);
    EXPECT_EQ(turret.box.max.z, 16.0f);
}

TEST_F(TurretTest, FiringScattersXYZInDrawOrderThenRearms) {
    Turret turret;
    turret.setPosition(30.0f, 40.0f, 0.0f);

    std::srand(77);
    Vec3 expected(-30.0f, -40.0f, 0.0f);
    expected.normalize();
    expected.x += randUnit() * 0.01f - 0.005f;
    expected.y += randUnit() * 0.01f - 0.005f;
    expected.z += randUnit() * 0.01f - 0.005f;
    expected.normalize();
    const int expectedCooldown = randomGunCooldown();

    // While cooling down it only aims, without a draw.
    turret.cooldown = 1;
    std::srand(77);
    EXPECT_EQ(turret.update(), 0);
    EXPECT_EQ(turret.cooldown, 0);
    EXPECT_EQ(world->nextEnemyBolt, 0);
    EXPECT_FLOAT_EQ(turret.aim.x, -0.6f);

    EXPECT_EQ(turret.update(), 0);
    const EnemyBolt& bolt = world->enemyBolts[0];
    EXPECT_EQ(world->nextEnemyBolt, 1);
    EXPECT_EQ(bolt.state, Active);
    EXPECT_EQ(bolt.position.x, 30.0f);
    EXPECT_EQ(bolt.position.y, 40.0f);
    EXPECT_EQ(bolt.direction.x, expected.x);
    EXPECT_EQ(bolt.direction.y, expected.y);
    EXPECT_EQ(bolt.direction.z, expected.z);
    EXPECT_EQ(turret.aim.x, expected.x);
    EXPECT_EQ(turret.cooldown, expectedCooldown);
}

TEST_F(TurretTest, PlayerOnTheTurretStillFiresAlongTheScatter) {
    Turret turret;  // at the origin, like the player
    turret.cooldown = 0;
    turret.update();
    const Vec3 d = world->enemyBolts[0].direction;
    EXPECT_EQ(world->nextEnemyBolt, 1);
    EXPECT_NEAR(d.x * d.x + d.y * d.y + d.z * d.z, 1.0f, 1e-5f);
}

TEST_F(TurretTest, DestroyedTurretNeitherAimsNorFires) {
    Turret turret;
    turret.cooldown = 0;
    turret.state = Inactive;
    EXPECT_EQ(turret.update(), 2);
    EXPECT_EQ(turret.cooldown, 0);
    EXPECT_EQ(world->nextEnemyBolt, 0);

    // Revived, it fires at once because its cooldown had run down.
    turret.activate();
    turret.update();
    EXPECT_EQ(world->nextEnemyBolt, 1);
}

TEST_F(TurretTest, AimAnglesPointTheBarrelAlongTheAim) {
    Turret turret;
    float rotX = 1.0f;
    float rotY = 1.0f;
    turret.aimAngles(rotX, rotY);
    EXPECT_EQ(rotX, 0.0f);
    EXPECT_EQ(rotY, 0.0f);

    turret.aim = Vec3(0.0f, 0.0f, -1.0f);
    turret.aimAngles(rotX, rotY);
    EXPECT_FLOAT_EQ(rotX, -180.0f);
    EXPECT_FLOAT_EQ(rotY, 0.0f);

    // Whenever x or y of the aim is 0 the barrel follows it exactly.
    const Vec3 aims[] = {{0.0f, 0.0f, 1.0f},  {0.0f, 1.0f, 0.0f},   {1.0f, 0.0f, 0.0f},
                         {0.0f, 0.6f, -0.8f}, {0.0f, -0.6f, 0.8f},  {-0.8f, 0.0f, -0.6f},
                         {0.6f, 0.0f, 0.8f},  {0.0f, -1.0f, 0.0f}, {0.0f, 0.0f, -1.0f}};
    for (const Vec3& aim : aims) {
        turret.aim = aim;
        turret.aimAngles(rotX, rotY);
        const Vec3 barrel = barrelDirection(rotX, rotY);
        EXPECT_NEAR(barrel.x, aim.x, 1e-5f) << aim.x << " " << aim.y << " " << aim.z;
        EXPECT_NEAR(barrel.y, aim.y, 1e-5f) << aim.x << " " << aim.y << " " << aim.z;
        EXPECT_NEAR(barrel.z, aim.z, 1e-5f) << aim.x << " " << aim.y << " " << aim.z;
    }
}

TEST_F(TurretTest, HitExplodesScoresAndDies) {
    Turret turret;
    turret.setPosition(100.0f, 0.0f, 0.0f);
    PlayerBolt bolt;
    bolt.direction = Vec3(1.0f, 0.0f, 0.0f);
    bolt.state = Active;

    // On the face, with the tip outside: no hit (containment is strict).
    bolt.setPosition(Vec3(115.0f, 0.0f, 0.0f));
    EXPECT_FALSE(turret.testHit(bolt));
    // Position outside, tip (8 units ahead) inside.
    bolt.setPosition(Vec3(80.0f, 0.0f, 0.0f));
    EXPECT_TRUE(turret.testHit(bolt));

    EXPECT_EQ(turret.state, Inactive);
    EXPECT_EQ(world->score, 100);
    EXPECT_EQ(world->nextExplosion, 1);
    EXPECT_EQ(world->explosions[0].state, Active);
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
