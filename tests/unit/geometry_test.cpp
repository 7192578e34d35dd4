#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "entities/bounding_box.h"
#include "entities/hull.h"
#include "entities/matrix4.h"
#include "entities/vec3.h"

namespace {
const float kNaN = std::numeric_limits<float>::quiet_NaN();

Hull unitCubeHull() {
    Hull hull;
    const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int axis = 0; axis < 3; ++axis) {
        hull.facePoints[axis * 2] = axes[axis] * 0.5f;
        hull.faceNormals[axis * 2] = axes[axis];
        hull.facePoints[axis * 2 + 1] = axes[axis] * -0.5f;
        hull.faceNormals[axis * 2 + 1] = -axes[axis];
    }
    return hull;
}
}  // namespace

TEST(Vec3, NormalizeKeepsZeroAndScalesOthers) {
    Vec3 zero;
    zero.normalize();
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);

    Vec3 v(3.0f, 0.0f, 4.0f);
    v.normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_EQ(v.y, 0.0f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);

    Vec3 tiny(1e-15f, 0.0f, 0.0f);
    tiny.normalize();
    EXPECT_FLOAT_EQ(tiny.x, 1.0f);

    Vec3 withNaN(kNaN, 1.0f, 0.0f);
    withNaN.normalize();
    EXPECT_TRUE(std::isnan(withNaN.x));
    EXPECT_TRUE(std::isnan(withNaN.y));
}

TEST(BoundingBox, ContainmentIsStrictOnEveryFace) {
    BoundingBox box{{-1, -1, -1}, {1, 1, 1}};
    EXPECT_TRUE(box.contains(0, 0, 0));
    EXPECT_TRUE(box.contains(0.999f, 0, 0));
    EXPECT_FALSE(box.contains(1, 0, 0));
    EXPECT_FALSE(box.contains(-1, 0, 0));
    EXPECT_FALSE(box.contains(0, 1, 0));
    EXPECT_FALSE(box.contains(0, 0, 1));
    EXPECT_FALSE(box.contains(0, 0, -1));
    EXPECT_FALSE(box.contains(kNaN, 0, 0));
    EXPECT_FALSE(box.contains(0, 0, kNaN));

    BoundingBox inverted{{1, 1, 1}, {-1, -1, -1}};
    EXPECT_FALSE(inverted.contains(0, 0, 0));
}

TEST(Matrix4, SetAffineForcesBottomRowAndKeepsTranslation) {
    float values[16];
    for (int i = 0; i < 16; ++i) values[i] = static_cast<float>(i + 1);
    values[3] = 5;
    values[7] = 6;
    values[11] = 7;
    values[15] = 8;
    Matrix4 m;
    m.setAffine(values);
    float out[16];
    m.get(out);
    EXPECT_EQ(out[3], 0.0f);
    EXPECT_EQ(out[7], 0.0f);
    EXPECT_EQ(out[11], 0.0f);
    EXPECT_EQ(out[15], 1.0f);
    EXPECT_EQ(out[12], 13.0f);
    EXPECT_EQ(out[13], 14.0f);
    EXPECT_EQ(out[14], 15.0f);

    Matrix4 raw;
    raw.set(values);
    EXPECT_EQ(raw[15], 8.0f);
}

TEST(Matrix4, MultiplyAffineIsColumnMajorAndForcesBottomRow) {
    // a translates by (1, 2, 3); b scales x by 2 and has a stray bottom row.
    float a[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    float b[16] = {2, 0, 0, 9, 0, 1, 0, 9, 0, 0, 1, 9, 0, 0, 0, 9};
    Matrix4 ma, mb, out;
    ma.set(a);
    mb.set(b);
    ma.multiplyAffine(mb, out);
    EXPECT_EQ(out[0], 11.0f);
    EXPECT_EQ(out[3], 0.0f);
    EXPECT_EQ(out[7], 0.0f);
    EXPECT_EQ(out[11], 0.0f);
    EXPECT_EQ(out[15], 1.0f);
    // The stray 9s of b's bottom row pull a's translation into every column.
    EXPECT_EQ(out[4], 9.0f);
    EXPECT_EQ(out[5], 19.0f);
    EXPECT_EQ(out[12], 9.0f);
    EXPECT_EQ(out[14], 27.0f);

    // The product may be written over one of its factors.
    ma.multiplyAffine(mb, ma);
    EXPECT_EQ(ma[0], 11.0f);
    EXPECT_EQ(ma[14], 27.0f);
}

TEST(Hull, ContainsPointCountsFacesAsInside) {
    const Hull hull = unitCubeHull();
    EXPECT_TRUE(hull.containsPoint({0, 0, 0}));
    EXPECT_TRUE(hull.containsPoint({0.5f, 0, 0}));
    EXPECT_TRUE(hull.containsPoint({0.5f, 0.5f, -0.5f}));
    EXPECT_FALSE(hull.containsPoint({0.6f, 0, 0}));
    EXPECT_FALSE(hull.containsPoint({0, 0, -0.51f}));
}

TEST(Hull, SegmentHitsOnlyUpToItsEndButAlsoBehindItsStart) {
    const Hull hull = unitCubeHull();
    // Every crossing lies beyond the end of the segment.
    EXPECT_FALSE(hull.hitBySegment({0, 0, 5}, {0, 0, 2}, {0, 0, -1}));
    // Crossings behind the start count.
    EXPECT_TRUE(hull.hitBySegment({0, 0, -5}, {0, 0, -8}, {0, 0, -1}));
    // Straight through, neither end inside.
    EXPECT_TRUE(hull.hitBySegment({0, 0, 5}, {0, 0, -5}, {0, 0, -1}));
    // An unnormalised direction: the end parameter comes from the first non-zero component.
    EXPECT_TRUE(hull.hitBySegment({0, 0, 5}, {0, 0, -5}, {0, 0, -4}));
    EXPECT_FALSE(hull.hitBySegment({0, 0, 5}, {0, 0, 1}, {0, 0, -4}));
}

TEST(Hull, ParallelFacesAreSkippedAndMissesStayMisses) {
    const Hull hull = unitCubeHull();
    // Along x at y = 0.7: only the x faces are crossed, both outside the hull.
    EXPECT_FALSE(hull.hitBySegment({-5, 0.7f, 0}, {5, 0.7f, 0}, {1, 0, 0}));
    // Along x inside the slab: hit.
    EXPECT_TRUE(hull.hitBySegment({-5, 0.2f, 0}, {5, 0.2f, 0}, {1, 0, 0}));
    // A zero direction is parallel to every face.
    EXPECT_FALSE(hull.hitBySegment({0, 0, 0}, {0, 0, 0}, {0, 0, 0}));
    // A direction just under the parallel limit is treated as parallel.
    EXPECT_FALSE(hull.hitBySegment({0, 0, 0}, {0, 0, 1e-9f}, {0, 0, 1e-9f}));
}
