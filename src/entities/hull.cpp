#include "entities/hull.h"

#include <cmath>

namespace {
// Directions closer to parallel than this never cross a face.
constexpr float kParallelLimit = 1e-08f;
}

bool Hull::containsPoint(const Vec3& p) const { return insideFacesOtherThan(p, -1); }

bool Hull::insideFacesOtherThan(const Vec3& p, int skippedFace) const {
    for (int i = 0; i < 6; ++i) {
        if (i == skippedFace) continue;
        const Vec3 d = p - facePoints[i];
        // Written as "not inside" so that a NaN coordinate is outside.
        if (!(d.dot(faceNormals[i]) <= 0.0f)) return false;
    }
    return true;
}

bool Hull::hitBySegment(const Vec3& a, const Vec3& b, const Vec3& dir) const {
    float tEnd;
    if (dir.x != 0.0f) {
        tEnd = (b.x - a.x) / dir.x;
    } else if (dir.y != 0.0f) {
        tEnd = (b.y - a.y) / dir.y;
    } else {
        tEnd = (b.z - a.z) / dir.z;
    }

    for (int i = 0; i < 6; ++i) {
        const float denom = dir.dot(faceNormals[i]);
        if (-kParallelLimit < denom && denom < kParallelLimit) continue;
        const Vec3 w = facePoints[i] - a;
        const float t = w.dot(faceNormals[i]) / denom;
        if (t > tEnd || std::isnan(t)) continue;
        // q lies on face i by construction, but its rounded coordinates may sit a
        // hair outside that plane (faces such as x = 0.8 are not exact in binary),
        // so only the other five faces decide whether the crossing is on the hull.
        const Vec3 q = a + dir * t;
        if (insideFacesOtherThan(q, i)) return true;
    }
    return false;
}
