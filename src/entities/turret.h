#pragma once
#include "entities/bounding_box.h"
#include "entities/enemy.h"

class PlayerBolt;

// A gun emplacement on one face of a turret block: it tracks the player's
// ship every step and fires every 9 to 16 steps. One player bolt destroys it.
class Turret : public Enemy {
public:
    Turret();

    using Enemy::setPosition;
    void setPosition(const Vec3& p) override;
    // Also places the collision box, a cube of whole-number half extent.
    void setPosition(float x, float y, float z) override;
    void activate() override;
    int update() override;
    void draw() const override;
    // Draws the barrel turned as far towards its aim as a picture at
    // `fraction` of the step since the last tick shows it.
    void drawAt(float fraction) const;

    // The two rotations, in degrees, that point a barrel modelled along +z along `aim`.
    void aimAngles(float& rotX, float& rotY) const;
    static void aimAngles(const Vec3& aim, float& rotX, float& rotY);
    // Destroys the turret when the bolt's position or tip lies inside its box.
    bool testHit(const PlayerBolt& bolt);

    Vec3 aim;
    Vec3 previousAim;  // as the last tick left it, for pictures between ticks
    int cooldown = 0;
    BoundingBox box;
};
