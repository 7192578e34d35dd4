#include <cmath>
#include <tuple>

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
    EXPECT_EQ(p.update(), Inactive);
    EXPECT_FLOAT_EQ(p.position.x, 5.0f);
}

// Per particle: three direction draws (stored z, y, x), a speed draw, then a life of 88 to 176 steps.
// The burst frees its slot on the update after its last particle dies; with none, on its first.
TEST(Explosion, DrawsItsParticlesInOrderAndEndsWithTheLast) {
    seedGameRandom(77);
    Explosion explosion;
    explosion.start({10, 20, 30}, 3, 1.0f, 1.0f, 0.3f, 0.0f);
    seedGameRandom(77);
    float longest = 0.0f;
    for (int i = 0; i < 3; ++i) {
        const float a = randSigned(), b = randSigned(), c = randSigned();
        const float length = std::sqrt(c * c + b * b + a * a);
        const float k = randUnit() * 5.0f;
        const float life = (randUnit() + 1.0f) * 88.0f;
        longest = std::max(longest, life);
        const Particle& p = *explosion.particles[i];
        expectVec(p.velocity, Vec3(c / length * k, b / length * k, a / length * k), 1e-6f);
        EXPECT_EQ(std::make_tuple(p.life, p.maxLife, p.position.y), std::make_tuple(life, life, 20.0f));
    }
    int updates = 0;
    while (explosion.update() == Active) ++updates;
    EXPECT_EQ(updates, static_cast<int>(std::ceil(longest)) - 1);
    explosion.start({0, 0, 0}, 0, 1.0f, 1, 1, 1);
    EXPECT_EQ(explosion.update(), Inactive);
}

using ExplosionRing = WorldTest;

TEST_F(ExplosionRing, SeventhExplosionRestartsSlotZeroWhileItsParticlesFly) {
    for (int i = 0; i < 6; ++i) world->spawnExplosion({float(i), 0, 0}, 50, 1.0f, 1, 0.3f, 0);
    world->explosions[0].update();
    world->spawnExplosion({99, 0, 0}, 7, 2.0f, 0, 0, 1);
    EXPECT_EQ(world->nextExplosion, 1);
    const Explosion& restarted = world->explosions[0];
    ASSERT_EQ(restarted.particles.size(), 7u);
    // The old burst is gone at once: every particle is fresh, at the new centre.
    for (const auto& p : restarted.particles)
        EXPECT_EQ(std::make_tuple(p->position.x, p->life, p->size), std::make_tuple(99.0f, p->maxLife, 2.0f));
}

TEST(EngineTrail, EachEmissionRestartsItsPartOfTheRing) {
    EngineTrail trail;
    const Vec3 nozzle(1, 2, 3), back(0, 0, 1), up(0, 1, 0), right(1, 0, 0);
    trail.emit(nozzle, back, up, right, 100);
    trail.update();
    trail.emit(nozzle, back, up, right, 100);
    EXPECT_EQ(trail.update(), Active);
    for (const Particle& p : trail.particles) {
        EXPECT_EQ(p.life, p.maxLife - 1.0f) << "fresh from the second emission";
        expectVec(p.position, nozzle + p.velocity * 0.1f, 1e-6f);  // one step from the nozzle
    }
    // Sixty and sixty: the second emission wraps over the first's first twenty.
    trail.emit({0, 0, 0}, back, up, right, 60);
    trail.emit({5, 0, 0}, back, up, right, 60);
    EXPECT_EQ(trail.nextParticle, 20);
    for (const auto& [i, x] : {std::pair{19, 5.0f}, {20, 0.0f}, {59, 0.0f}, {60, 5.0f}}) EXPECT_EQ(trail.particles[i].position.x, x) << i;
}
