#pragma once
#include "entities/vec3.h"

// Blending a drawn pose between the previous tick and the current one. Pictures
// come between ticks, so every helper takes the fraction t of the step that has
// passed; t == 1 hands back the current pose untouched, so a picture drawn right
// on a tick shows exactly what the tick left.

// A ship's pose: where it is and its orthonormal axes, right = forward x up
// (the default frame is forward (0,0,-1), up (0,1,0), right (1,0,0)).
struct ShipFrame {
    Vec3 position;
    Vec3 forward{0.0f, 0.0f, -1.0f};
    Vec3 up{0.0f, 1.0f, 0.0f};
    Vec3 right{1.0f, 0.0f, 0.0f};
};

// A point moved in a straight line from previous (t = 0) to current (t = 1).
Vec3 blendPlace(const Vec3& previous, const Vec3& current, float t);

// A unit direction (a turret's aim) turned along the great circle. A zero vector
// on either side, or a flip to the opposite direction, has no arc: it shows current.
Vec3 blendDirection(const Vec3& previous, const Vec3& current, float t);

// Position in a straight line, axes by the shorter rotation between the two poses.
ShipFrame blendFrames(const ShipFrame& previous, const ShipFrame& current, float t);

// A point (a muzzle, an engine spark) that sits at some offset in `from`'s axes,
// put at the same offset in `to`'s axes: this tick's emissions follow the drawn ship.
Vec3 carryPoint(const ShipFrame& from, const ShipFrame& to, const Vec3& point);

// The same for a direction, which has no position.
Vec3 carryDirection(const ShipFrame& from, const ShipFrame& to, const Vec3& direction);
