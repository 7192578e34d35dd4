#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "entities/random.h"
#include "gfx/engine_trail.h"
#include "gfx/explosion.h"
#include "world_fixture.h"

TEST(Particle, LifeReachingExactlyZeroStopsWithoutMoving) {
    Particle p;
    p.state = Active;
    p.life = p.maxLife = 2.0f;
    p.velocity = Vec3(1, 0, 0);
    p.speed = 5.0f;
    EXPECT_EQ(p.update(), Active);
    EXPECT_FLOAT_EQ(p.position.x, 5.0f);
    EXPECT_FLOAT_EQ(p.alpha, 0.5f);
    EXPECT_EQ(p.update(), Inactive);
    EXPECT_FLOAT_EQ(p.position.x, 5.0f);
    EXPECT_EQ(p.update(), Inactive);
}

TEST(Explosion, DrawsItsParticlesInTheDocumentedOrder) {
    std::srand(77);
    Explosion explosion;
    explosion.start({10, 20, 30}, 3, 1.0f, 1.0f, 0.3f, 0.0f);

    std::srand(77);
    for (int i = 0; i < 3; ++i) {
        const float a = randSigned(), b = randSigned(), c = randSigned();
        const float length = std::sqrt(c * c + b * b + a * a);
        const float k = randUnit() * 5.0f;
        const float life = (randUnit() + 1.0f) * 88.0f;
        const Particle& p = *explosion.particles[i];
        EXPECT_FLOAT_EQ(p.velocity.x, c / length * k);
        EXPECT_FLOAT_EQ(p.velocity.y, b / length * k);
        EXPECT_FLOAT_EQ(p.velocity.z, a / length * k);
        EXPECT_EQ(p.life, life);
        EXPECT_EQ(p.maxLife, life);
        EXPECT_GE(life, 88.0f);
        EXPECT_LT(life, 176.0f);
        EXPECT_EQ(p.speed, 5.0f);
        EXPECT_EQ(p.position.y, 20.0f);
    }
}

TEST(Explosion, ZeroParticlesIsActiveForExactlyOneUpdate) {
    Explosion explosion;
    explosion.start({0, 0, 0}, 0, 1.0f, 1, 1, 1);
    EXPECT_EQ(explosion.state, Active);
    EXPECT_EQ(explosion.update(), Inactive);
    EXPECT_EQ(explosion.update(), Inactive);
}

TEST(Explosion, BecomesInactiveWhenItsLastParticleDies) {
    Explosion explosion;
    explosion.start({0, 0, 0}, 10, 1.0f, 1, 1, 1);
    int updates = 0;
    while (explosion.update() == Active) ++updates;
    // Lives run from 88 to 176 steps; the slot frees on the update after the last one dies.
    EXPECT_GE(updates, 87);
    EXPECT_LE(updates, 176);
}

using ExplosionRing = WorldTest;

TEST_F(ExplosionRing, SeventhExplosionRestartsSlotZeroWhileItsParticlesFly) {
    for (int i = 0; i < 6; ++i) world->spawnExplosion({float(i), 0, 0}, 50, 1.0f, 1, 0.3f, 0);
    EXPECT_EQ(world->nextExplosion, 0);
    world->explosions[0].update();
    ASSERT_EQ(world->explosions[0].state, Active);

    world->spawnExplosion({99, 0, 0}, 7, 2.0f, 0, 0, 1);
    EXPECT_EQ(world->nextExplosion, 1);
    const Explosion& restarted = world->explosions[0];
    EXPECT_EQ(restarted.particleCount, 7);
    ASSERT_EQ(restarted.particles.size(), 7u);
    // The old burst is gone at once: every particle is fresh, at the new centre.
    for (const auto& p : restarted.particles) {
        EXPECT_EQ(p->position.x, 99.0f);
        EXPECT_EQ(p->life, p->maxLife);
        EXPECT_EQ(p->size, 2.0f);
    }
    EXPECT_EQ(world->explosions[1].particleCount, 50);
}

TEST(EngineTrail, EachEmissionOfAHundredRestartsTheWholeRing) {
    std::srand(5);
    EngineTrail trail;
    EXPECT_EQ(trail.update(), Inactive);
    const Vec3 nozzle(1, 2, 3), back(0, 0, 1), up(0, 1, 0), right(1, 0, 0);
    trail.emit(nozzle, back, up, right, 100);
    trail.update();
    trail.emit(nozzle, back, up, right, 100);
    EXPECT_EQ(trail.nextParticle, 0);
    for (const Particle& p : trail.particles) {
        EXPECT_EQ(p.state, Active);
        EXPECT_EQ(p.position.x, nozzle.x);
        EXPECT_EQ(p.life, p.maxLife);
        EXPECT_GE(p.maxLife, 20.0f);
        EXPECT_LT(p.maxLife, 40.0f);
        EXPECT_TRUE(p.randomFlip);
    }
    EXPECT_EQ(trail.update(), Active);
    for (const Particle& p : trail.particles) {
        // One step of 0.1 x velocity away from the nozzle, alpha just below 1.
        EXPECT_FLOAT_EQ(p.position.z, 3.0f + p.velocity.z * 0.1f);
        EXPECT_GT(p.velocity.z, 0.99f);
        EXPECT_LT(p.alpha, 1.0f);
        EXPECT_GT(p.alpha, 0.94f);
    }
}

TEST(EngineTrail, RingWrapsAcrossEmissions) {
    EngineTrail trail;
    trail.emit({0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}, 60);
    trail.emit({5, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}, 60);
    EXPECT_EQ(trail.nextParticle, 20);
    EXPECT_EQ(trail.particles[19].position.x, 5.0f);
    EXPECT_EQ(trail.particles[20].position.x, 0.0f);
    EXPECT_EQ(trail.particles[59].position.x, 0.0f);
    EXPECT_EQ(trail.particles[60].position.x, 5.0f);
}
