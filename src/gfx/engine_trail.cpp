#include "gfx/engine_trail.h"

#include "entities/random.h"

namespace {
constexpr float kTrailSpread = 1.5f;
constexpr float kTrailMinLife = 20.0f;
constexpr float kTrailSpeed = 0.1f;
constexpr float kTrailSize = 0.02f;
}  // namespace

void EngineTrail::emit(const Vec3& origin, const Vec3& direction, const Vec3& spreadA,
                       const Vec3& spreadB, int count) {
    state = Active;
    for (int i = 0; i < count; ++i) {
        const float p = randSigned();
        const float q = randSigned();
        Particle& particle = particles[nextParticle];
        particle.velocity = direction + spreadA * (kTrailSpread * p) + spreadB * (kTrailSpread * q);
        particle.life = particle.maxLife = (randUnit() + 1.0f) * kTrailMinLife;
        particle.position = origin;
        particle.previousPosition = origin;
        particle.shipBorne = true;
        particle.state = Active;
        particle.red = 1.0f;
        particle.green = 0.3f;
        particle.blue = 0.0f;
        particle.size = kTrailSize;
        particle.speed = kTrailSpeed;
        particle.randomFlip = true;
        nextParticle += 1;
        if (nextParticle == kParticleCount) nextParticle = 0;
    }
}

int EngineTrail::update() {
    if (state == Inactive) return Inactive;
    for (Particle& particle : particles) {
        if (particle.state == Active) particle.update();
    }
    return Active;
}

void EngineTrail::draw() const {
    if (state == Inactive) return;
    for (const Particle& particle : particles) particle.draw();
}
