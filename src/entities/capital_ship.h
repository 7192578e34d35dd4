#pragma once
#include "entities/bounding_box.h"
#include "entities/enemy.h"
#include "entities/matrix4.h"
#include "gfx/mesh_model.h"

class PlayerBolt;

// A huge battleship that never moves: six broadside guns fire at the player
// whenever it is on their side; 160 hits destroy it, after which it shrinks
// away over eleven ticks.
class CapitalShip : public Enemy {
public:
    static constexpr int kGunCount = 6;
    static constexpr float kStartScale = 5.0f;
    static constexpr float kStartHitPoints = 160.0f;
    // Its death's burst: the largest explosion the game spawns.
    static constexpr int kExplosionParticles = 4000;

    CapitalShip();

    // Re-arms one gun (8 to 15 frames), or all six in order for gun -1.
    void rollGunTimer(int gun);
    void reset();
    int update() override;
    void draw() const override;
    // The death shrink and the hit flicker, once a tick after the step: decides
    // whether the tick's pictures show the ship. Draws one rand() while flickering.
    void advanceDrawState();
    bool hitByPlayerBolt(const PlayerBolt& bolt);
    bool containsPoint(float x, float y, float z) const;
    // Builds the mesh's display list and textures (needs a GL context).
    void loadTextures();

    // The rotation the GL builds from the identity with glRotatef about x, then y, then z.
    static Matrix4 rotationMatrix(float angleX, float angleY, float angleZ);
    // v turned by the transpose of m's rotation part, z mirrored when flipZ.
    static Vec3 rotateToWorld(const Matrix4& m, const Vec3& v, bool flipZ);

    MeshModel model;
    Vec3 gunPoints[kGunCount];
    Vec3 gunDirections[kGunCount];
    int gunTimers[kGunCount] = {};
    float hitPoints = kStartHitPoints;
    int hitFlash = 0;
    bool shown = true;  // whether this tick's pictures show the ship
    Vec3 corners[8];
    BoundingBox box;

private:
    // Gun points and directions, corners and box from scale, angles and position.
    void placeGeometry();
};
