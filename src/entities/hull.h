#pragma once
#include "entities/vec3.h"

// A convex volume bounded by six planes; face i passes through facePoints[i]
// with the outward normal faceNormals[i].
struct Hull {
    Vec3 facePoints[6];
    Vec3 faceNormals[6];

    // Inside or on every face plane; a NaN coordinate is outside.
    bool containsPoint(const Vec3& p) const;
    // Whether the line from a along dir (b = a + tEnd * dir) crosses the hull at
    // any parameter up to tEnd. Crossings behind a count as well.
    bool hitBySegment(const Vec3& a, const Vec3& b, const Vec3& dir) const;

private:
    // Inside or on every face plane but skippedFace (-1 skips none).
    bool insideFacesOtherThan(const Vec3& p, int skippedFace) const;
};
