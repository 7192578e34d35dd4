#include <gtest/gtest.h>

#include <limits>

#include "entities/bounding_box.h"
#include "entities/hull.h"
#include "entities/vec3.h"

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();

Hull unitCubeHull() {
    Hull hull;
    const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int face = 0; face < 6; ++face) {
        hull.faceNormals[face] = face % 2 ? -axes[face / 2] : axes[face / 2];
        hull.facePoints[face] = hull.faceNormals[face] * 0.5f;
    }
    return hull;
}
}  // namespace

TEST(BoundingBox, ContainmentIsStrictOnEveryFaceAndNaNIsOutside) {
    const BoundingBox box{{-1, -1, -1}, {1, 1, 1}};
    EXPECT_TRUE(box.contains(0.999f, 0, 0));
    const float outside[][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, -1}, {kNaN, 0, 0}, {0, 0, kNaN}};
    for (const auto& p : outside) EXPECT_FALSE(box.contains(p[0], p[1], p[2])) << p[0] << " " << p[1] << " " << p[2];
    EXPECT_FALSE((BoundingBox{{1, 1, 1}, {-1, -1, -1}}).contains(0, 0, 0)) << "inverted";
}

// Random bolts through a real hull are the player ship's test; these are the rule's corners.
TEST(Hull, FacesAreInsideNaNIsOutsideAndSegmentsHitUpToTheirEnd) {
    const Hull hull = unitCubeHull();
    EXPECT_TRUE(hull.containsPoint({0.5f, 0.5f, -0.5f}));
    EXPECT_FALSE(hull.containsPoint({0, 0, -0.51f}));
    EXPECT_FALSE(hull.containsPoint({kNaN, 0, 0}) || hull.containsPoint({0, 0, kNaN}));

    const struct { Vec3 a, b, dir; bool hit; const char* why; } segments[] = {
        {{0, 0, 5}, {0, 0, 2}, {0, 0, -1}, false, "every crossing beyond the end"},
        {{0, 0, -5}, {0, 0, -8}, {0, 0, -1}, true, "crossings behind the start count"},
        {{0, 0, 5}, {0, 0, -5}, {0, 0, -4}, true, "unnormalised: the end comes from the first non-zero component"},
        {{0, 0, 5}, {0, 0, 1}, {0, 0, -4}, false, "unnormalised, short"},
        {{-5, 0.7f, 0}, {5, 0.7f, 0}, {1, 0, 0}, false, "parallel faces skipped, the others crossed outside"},
        {{-5, 0.2f, 0}, {5, 0.2f, 0}, {1, 0, 0}, true, "along x inside the slab"},
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, false, "a zero direction is parallel to every face"},
        {{0, 0, 0}, {0, 0, 1e-9f}, {0, 0, 1e-9f}, false, "just under the parallel limit"},
    };
    for (const auto& s : segments) EXPECT_EQ(hull.hitBySegment(s.a, s.b, s.dir), s.hit) << s.why;
}
