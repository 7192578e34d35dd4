#include "entities/ship_model.h"

#include <GL/gl.h>

#include "gfx/player_mesh.h"

namespace {
// The mesh's own origin sits this far along the ship's x axis from its centre.
constexpr float kMeshOffsetX = -1.4125f;
}

ShipModel::ShipModel() { state = Active; }

void ShipModel::draw() const { drawIn(frame()); }

ShipFrame ShipModel::frameAt(float fraction) const {
    if (fraction == 1.0f) return frame();
    return blendFrames(previousFrame, frame(), fraction);
}

void ShipModel::drawIn(const ShipFrame& shown) const {
    const Vec3& p = shown.position;
    const Vec3& r = shown.right;
    const Vec3& u = shown.up;
    const Vec3& f = shown.forward;
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    // Model x, y and z map to the ship's right, up and forward.
    const float axes[16] = {r.x, r.y, r.z, 0.0f, u.x, u.y, u.z, 0.0f, f.x, f.y, f.z, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    glMultMatrixf(axes);
    glColor3f(0.3f, 0.3f, 0.3f);
    glTranslatef(kMeshOffsetX, 0.0f, 0.0f);
    glScalef(modelScale, modelScale, modelScale);
    drawPlayerMesh();
    glPopMatrix();
}

void ShipModel::advance() { position += forward * kSpeed; }
