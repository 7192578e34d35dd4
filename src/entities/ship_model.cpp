#include "entities/ship_model.h"

#include <GL/gl.h>

#include "gfx/player_mesh.h"

namespace {
// The mesh's own origin sits this far along the ship's x axis from its centre.
constexpr float kMeshOffsetX = -1.4125f;
}

ShipModel::ShipModel() { state = Active; }

void ShipModel::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    // Model x, y and z map to the ship's right, up and forward.
    const float frame[16] = {right.x,   right.y,   right.z,   0.0f, up.x, up.y, up.z, 0.0f,
                             forward.x, forward.y, forward.z, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    glMultMatrixf(frame);
    glColor3f(0.3f, 0.3f, 0.3f);
    glTranslatef(kMeshOffsetX, 0.0f, 0.0f);
    glScalef(modelScale, modelScale, modelScale);
    drawPlayerMesh();
    glPopMatrix();
}

void ShipModel::advance() { position += forward * kSpeed; }
