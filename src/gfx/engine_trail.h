#pragma once
#include "entities/game_object.h"
#include "gfx/particle.h"

// The exhaust of one engine: a fixed ring of particles refilled at the nozzle
// every step. It allocates nothing after construction.
class EngineTrail : public GameObject {
public:
    static constexpr int kParticleCount = 100;

    EngineTrail() = default;

    void emit(const Vec3& origin, const Vec3& direction, const Vec3& spreadA, const Vec3& spreadB,
              int count);
    int update() override;
    void draw() const override;

    Particle particles[kParticleCount];
    int nextParticle = 0;
};
