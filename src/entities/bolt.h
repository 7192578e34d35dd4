#pragma once
#include "entities/game_object.h"

// A laser bolt: a short straight coloured line flying at a constant speed
// until it leaves the arena or hits something.
class Bolt : public GameObject {
public:
    Bolt(float speed, float length, float red, float green, float blue);

    int update() override { return state; }
    // Draws the bolt as a line from its position along its direction, or from
    // the place and along the direction a picture between two ticks shows.
    void draw() const override;
    void drawAt(const Vec3& place, const Vec3& along) const;

    // The drawn tip, position + direction x length: the second point tested for hits.
    Vec3 tip() const { return position + direction * length; }

    Vec3 direction;
    float length;
    float colour[3];
    bool hold = false;  // the next update leaves the bolt where it is
    // Where the last tick left it, for pictures drawn between ticks.
    Vec3 previousPosition;
    // Fired from the ship's muzzles this tick: pictures place it at the muzzles of the ship they show.
    bool fromMuzzle = false;
    float speed;
};
