#pragma once
#include "entities/vec3.h"

// Axis-aligned box with a strict point test: a point on a face is outside,
// and so is any point with a NaN coordinate (every comparison fails).
struct BoundingBox {
    Vec3 min;
    Vec3 max;

    bool contains(float x, float y, float z) const {
        return min.x < x && x < max.x && min.y < y && y < max.y && min.z < z && z < max.z;
    }
    bool contains(const Vec3& p) const { return contains(p.x, p.y, p.z); }
};
