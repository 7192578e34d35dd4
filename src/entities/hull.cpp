#include "entities/hull.h"

#include <cmath>

namespace {
// Directions closer to parallel than this never cross a face.
constexpr float kParallelLimit = 1e-08f;
}

bool Hull::containsPoint(const Vec3& p) const {
    for (int i = 0; i < 6; ++i) {
        const Vec3 d = p - facePoints[i];
        if (d.dot(faceNormals[i]) > 0.0f) return false;
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
        const Vec3 q = a + dir * t;
        if (containsPoint(q)) return true;
    }
    return false;
}
