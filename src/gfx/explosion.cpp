#include "gfx/explosion.h"

#include <cmath>

#include "entities/random.h"

namespace {
constexpr float kExplosionSpeed = 5.0f;
constexpr float kExplosionSpread = 5.0f;
constexpr float kExplosionMinLife = 88.0f;
}  // namespace

void Explosion::start(const Vec3& centre, int count, float particleSize, float red, float green,
                      float blue) {
    state = Active;
    particles.clear();
    particleCount = count > 0 ? count : 0;
    position = centre;
    particles.reserve(static_cast<size_t>(particleCount));
    for (int i = 0; i < particleCount; ++i) {
        auto particle = std::make_unique<Particle>();
        const float a = randSigned();
        const float b = randSigned();
        const float c = randSigned();
        const float length = std::sqrt(c * c + b * b + a * a);
        // Directions come from a cube, not evenly from a sphere.
        const Vec3 direction = length == 0.0f ? Vec3() : Vec3(c / length, b / length, a / length);
        const float k = randUnit() * kExplosionSpread;
        particle->velocity = direction * k;
        particle->speed = kExplosionSpeed;
        particle->life = particle->maxLife = (randUnit() + 1.0f) * kExplosionMinLife;
        particle->red = red;
        particle->green = green;
        particle->blue = blue;
        particle->position = centre;
        particle->previousPosition = centre;  // appears where it starts, not smeared
        particle->state = Active;
        particle->size = particleSize;
        particle->randomFlip = false;
        particles.push_back(std::move(particle));
    }
}

int Explosion::update() {
    if (state == Inactive) return Inactive;
    bool anyAlive = false;
    for (auto& particle : particles) {
        if (particle->state == Active && particle->update() == Active) anyAlive = true;
    }
    if (!anyAlive) state = Inactive;
    return state;
}

void Explosion::draw() const {
    if (state == Inactive) return;
    for (const auto& particle : particles) particle->draw();
}
