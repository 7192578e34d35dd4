#pragma once
#include <vector>

#include "entities/vec3.h"

class Particle;

// Particles gathered into vertex arrays and drawn with one call: the same
// squares, colours and order as drawing each particle on its own, without a
// matrix push, a bind and a glBegin per particle.
class ParticleBatch {
public:
    // Adds a live particle's square at `place` (a dead one adds nothing).
    void add(const Particle& particle, const Vec3& place);
    // Draws everything added with the particle texture, then empties the batch.
    void draw();

private:
    std::vector<float> vertices;  // x, y, z per corner
    std::vector<float> colours;   // r, g, b, a per corner
    std::vector<float> texCoords;
    std::vector<unsigned> indices;
    int count = 0;
};
