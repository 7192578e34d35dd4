#include "gfx/particle_batch.h"

#include <GL/gl.h>

#include "gfx/particle.h"

namespace {
// The corners in the order of the one-by-one triangle strip, as (s, t) = (x, y)
// of the unit square, and the strip's two triangles.
constexpr float kCorners[4][2] = {{1.0f, 1.0f}, {0.0f, 1.0f}, {1.0f, 0.0f}, {0.0f, 0.0f}};
constexpr unsigned kStripTriangles[6] = {0, 1, 2, 2, 1, 3};
}  // namespace

void ParticleBatch::add(const Particle& particle, const Vec3& place) {
    if (particle.state == Inactive) return;
    const bool flipped = particle.flipped;
    const float edge = particle.size * Particle::kEdgePerSize;
    const Vec3& p = place;
    for (const auto& corner : kCorners) {
        const float u = corner[0] * edge;
        const float v = corner[1] * edge;
        // Turned 90 degrees about x, the square's y becomes z.
        vertices.push_back(p.x + u);
        vertices.push_back(flipped ? p.y : p.y + v);
        vertices.push_back(flipped ? p.z + v : p.z);
        colours.push_back(particle.red);
        colours.push_back(particle.green);
        colours.push_back(particle.blue);
        colours.push_back(particle.alpha);
    }
    count += 1;
}

void ParticleBatch::draw() {
    if (count == 0) return;
    // Texture coordinates and indices repeat per square; they only ever grow.
    while (texCoords.size() < vertices.size() / 3 * 2) {
        for (const auto& corner : kCorners) {
            texCoords.push_back(corner[0]);
            texCoords.push_back(corner[1]);
        }
    }
    while (indices.size() < static_cast<size_t>(count) * 6) {
        const auto first = static_cast<unsigned>(indices.size() / 6 * 4);
        for (unsigned index : kStripTriangles) indices.push_back(first + index);
    }
    glBindTexture(GL_TEXTURE_2D, particleTexture);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glColorPointer(4, GL_FLOAT, 0, colours.data());
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords.data());
    glDrawElements(GL_TRIANGLES, count * 6, GL_UNSIGNED_INT, indices.data());
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // The last particle's colour stays current, as after drawing it on its own.
    const float* last = &colours[colours.size() - 4];
    glColor4f(last[0], last[1], last[2], last[3]);
    vertices.clear();
    colours.clear();
    count = 0;
}
