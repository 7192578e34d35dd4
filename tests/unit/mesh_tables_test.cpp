#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "assets/capital_mesh_tables.h"
#include "assets/player_mesh_tables.h"

namespace {

using V3 = std::array<double, 3>;

V3 sub(const V3& a, const V3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double length(const V3& a) { return std::hypot(a[0], a[1], a[2]); }

// Where the fighter's draw puts a stored vertex, in the ship's frame (x right, y up, z forward):
// scale x placement (column-major), then the mesh offset.
V3 playerShipPoint(int vertex) {
    const double* v = playerVertices[vertex];
    V3 p{};
    for (int r = 0; r < 3; ++r) {
        double placed = kPlayerMeshPlacement[12 + r];
        for (int c = 0; c < 3; ++c) placed += kPlayerMeshPlacement[c * 4 + r] * v[c];
        p[r] = placed * kPlayerMeshScale[r];
    }
    p[0] += kShipMeshOffsetX;
    return p;
}

// The capital ship's model frame: the mesh drawn at 120 x 5, turned 270 degrees about x.
V3 capitalModelPoint(int vertex) {
    const float* v = meshVertices[vertex];
    return {600.0 * v[0], 600.0 * v[2], -600.0 * v[1]};
}

double nearestPlayerVertex(const V3& point, int material = -1) {
    double best = 1e9;
    for (int t = 0; t < kPlayerTriangleCount; ++t)
        for (int c = 0; c < 3 && (material < 0 || playerTriangleMaterials[t] == material); ++c)
            best = std::fmin(best, length(sub(playerShipPoint(playerTriangles[t][c * 2]), point)));
    return best;
}

// The lowest and highest corners of the box around `count` points.
std::pair<V3, V3> bounds(int count, V3 (*point)(int)) {
    V3 low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    for (int v = 0; v < count; ++v)
        for (int a = 0; a < 3; ++a) {
            low[a] = std::fmin(low[a], point(v)[a]);
            high[a] = std::fmax(high[a], point(v)[a]);
        }
    return {low, high};
}

}  // namespace

TEST(MeshTables, IndicesInRangeAndGroupsCoverEveryTriangle) {
    const int playerLimits[2] = {kPlayerVertexCount, kPlayerNormalCount};
    for (int t = 0; t < kPlayerTriangleCount; ++t) {
        for (int k = 0; k < 6; ++k) {
            ASSERT_GE(playerTriangles[t][k], 0);
            ASSERT_LT(playerTriangles[t][k], playerLimits[k % 2]);
        }
        ASSERT_GE(playerTriangleMaterials[t], 1) << "record 0 is never used";
        ASSERT_LT(playerTriangleMaterials[t], kPlayerMaterialCount);
    }
    const int capitalLimits[3] = {kMeshVertexCount, kMeshNormalCount, kMeshTexCoordCount};
    for (int t = 0; t < kMeshTriangleCount; ++t)
        for (int k = 0; k < 9; ++k) {
            ASSERT_GE(meshTriangles[t][k], 0);
            ASSERT_LT(meshTriangles[t][k], capitalLimits[k / 3]);
        }
    int total = 0;
    bool used[kMeshMaterialCount] = {};
    for (const MeshMaterialGroup& g : meshMaterialGroups) {
        ASSERT_GE(g.material, 0);
        ASSERT_LT(g.material, kMeshMaterialCount);
        EXPECT_GT(g.count, 0);
        used[g.material] = true;
        total += g.count;
    }
    EXPECT_EQ(total, kMeshTriangleCount);
    for (int m = 0; m < kMeshMaterialCount; ++m) EXPECT_TRUE(used[m]) << "texture " << m << " unused";
}

// Both drawn meshes stay inside the hull boxes the rules collide with, and fill most of them.
TEST(MeshTables, DrawnMeshesFillTheirHullBoxes) {
    const auto [low, high] = bounds(kPlayerVertexCount, playerShipPoint);
    const V3 playerLow{-0.8, -1.0, -1.8}, playerHigh{0.8, 1.0, 0.9};
    for (int a = 0; a < 3; ++a) {
        EXPECT_GE(low[a], playerLow[a] - 1e-6) << a;
        EXPECT_LE(high[a], playerHigh[a] + 1e-6) << a;
    }
    EXPECT_GT(high[0] - low[0], 1.3);
    EXPECT_GT(high[2] - low[2], 2.5);

    const auto [capitalLow, capitalHigh] = bounds(kMeshVertexCount, capitalModelPoint);
    const V3 boxLow{-300, -45, -75}, boxHigh{300, 25, 75}, reach{5, 1, 1};
    for (int a = 0; a < 3; ++a) {
        EXPECT_GE(capitalLow[a], boxLow[a] - 1e-3) << a;
        EXPECT_LE(capitalHigh[a], boxHigh[a] + 1e-3) << a;
        EXPECT_LT(capitalLow[a], boxLow[a] + reach[a]) << a;
        EXPECT_GT(capitalHigh[a], boxHigh[a] - reach[a]) << a;
    }
}

TEST(MeshTables, GunsEndAtTheMuzzlesAndExhaustsAtTheNozzles) {
    const V3 muzzles[4] = {{0.7, 0.4, 0.0}, {-0.7, 0.4, 0.0}, {0.6, -0.1, 0.0}, {-0.6, -0.1, 0.0}};
    for (const V3& m : muzzles) {
        EXPECT_LT(nearestPlayerVertex(m), 1e-6) << m[0] << ", " << m[1];
        for (int v = 0; v < kPlayerVertexCount; ++v) {  // nothing of the gun reaches past its muzzle
            const V3 p = playerShipPoint(v);
            ASSERT_FALSE(std::fabs(p[0] - m[0]) < 0.06 && std::fabs(p[1] - m[1]) < 0.06 && p[2] > 1e-9) << v;
        }
    }
    constexpr int kGlow = 2;
    EXPECT_LT(nearestPlayerVertex({0.35, 0.4, -1.8}, kGlow), 1e-6);
    EXPECT_LT(nearestPlayerVertex({-0.35, 0.4, -1.8}, kGlow), 1e-6);

    // The capital ship's gun-metal barrels end at its gun points and point outwards.
    constexpr int kGunMetal = 5;
    std::vector<V3> metal;
    int first = 0;
    for (const MeshMaterialGroup& g : meshMaterialGroups) {
        for (int t = first; g.material == kGunMetal && t < first + g.count; ++t)
            for (int c = 0; c < 3; ++c) metal.push_back(capitalModelPoint(meshTriangles[t][c]));
        first += g.count;
    }
    for (const V3 gun : {V3{35, 10, 50}, V3{50, 10, 50}, V3{70, 10, 50}, V3{35, 10, -50}, V3{50, 10, -50}, V3{70, 10, -50}}) {
        double nearest = 1e9;
        bool barrelBehind = false;
        for (const V3& p : metal) {
            const V3 d = sub(p, gun);
            nearest = std::fmin(nearest, length(d));
            // Metal within 2 units of the gun's line, 4 to 8 units behind the muzzle.
            const double behind = gun[2] > 0 ? -d[2] : d[2];
            barrelBehind |= std::hypot(d[0], d[1]) < 2.0 && behind > 4.0 && behind < 8.0;
        }
        EXPECT_LT(nearest, 0.01) << "gun at " << gun[0] << ", " << gun[2];
        EXPECT_TRUE(barrelBehind) << "gun at " << gun[0] << ", " << gun[2];
    }
}
