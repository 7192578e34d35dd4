#pragma once
#include <memory>
#include <vector>

#include "entities/game_object.h"
#include "gfx/particle.h"

// A one-off burst of particles flying outward from a point. Its particles are
// the only objects allocated while a game runs: they live until the slot is
// started again.
class Explosion : public GameObject {
public:
    Explosion() = default;

    void start(const Vec3& centre, int count, float particleSize, float red, float green, float blue);
    // Inactive once none of its particles is alive any more.
    int update() override;
    void draw() const override;

    int particleCount = 0;
    std::vector<std::unique_ptr<Particle>> particles;
};
