#pragma once
#include "entities/vec3.h"

// Life-cycle state of every object in the world. A pool slot is free when Inactive.
enum ObjectState : int {
    Active = 0,
    Dying = 1,     // playing its death: still updated and drawn, no longer hit
    Inactive = 2,  // dead or free: skipped by drawing and collision tests
};

// The base of every object in the world: a position, a state word and the
// five operations the world calls uniformly.
class GameObject {
public:
    GameObject() = default;
    virtual ~GameObject() = default;

    virtual void setPosition(const Vec3& p) { position = p; }
    virtual void setPosition(float x, float y, float z) { position = Vec3(x, y, z); }
    virtual void activate() { state = Active; }
    // Returns the state word; 0 counts an enemy as alive.
    virtual int update() = 0;
    // Draws the object as it stands; changes nothing.
    virtual void draw() const = 0;

    Vec3 position;
    int state = Inactive;
};
