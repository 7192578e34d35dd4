#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "assets/capital_mesh_tables.h"
#include "assets/player_mesh_tables.h"

namespace {

using V3 = std::array<double, 3>;

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

// Every point lies in the hull box low..high, and the mesh comes within `reach` of each of its faces.
void expectFillsBox(int count, V3 (*point)(int), const V3& low, const V3& high, const V3& reach) {
    V3 least{1e9, 1e9, 1e9}, most{-1e9, -1e9, -1e9};
    for (int v = 0; v < count; ++v)
        for (int a = 0; a < 3; ++a) { least[a] = std::fmin(least[a], point(v)[a]); most[a] = std::fmax(most[a], point(v)[a]); }
    for (int a = 0; a < 3; ++a) {
        const double slack = 1e-6 * (1.0 + std::fabs(low[a]) + std::fabs(high[a]));
        EXPECT_TRUE(least[a] >= low[a] - slack && most[a] <= high[a] + slack) << "axis " << a;
        EXPECT_TRUE(least[a] < low[a] + reach[a] && most[a] > high[a] - reach[a]) << "axis " << a << ": " << least[a] << " to " << most[a];
    }
}

}  // namespace

TEST(MeshTables, IndicesInRangeAndGroupsCoverEveryTriangle) {
    // Player triangles: vertex, normal pairs; capital triangles: three vertices, three normals, three texture corners.
    const int playerLimits[2] = {kPlayerVertexCount, kPlayerNormalCount};
    const int capitalLimits[3] = {kMeshVertexCount, kMeshNormalCount, kMeshTexCoordCount};
    for (int t = 0; t < kPlayerTriangleCount; ++t) {
        for (int k = 0; k < 6; ++k) ASSERT_TRUE(playerTriangles[t][k] >= 0 && playerTriangles[t][k] < playerLimits[k % 2]);
        ASSERT_TRUE(playerTriangleMaterials[t] >= 1 && playerTriangleMaterials[t] < kPlayerMaterialCount) << "record 0 is never used";
    }
    for (int t = 0; t < kMeshTriangleCount; ++t)
        for (int k = 0; k < 9; ++k) ASSERT_TRUE(meshTriangles[t][k] >= 0 && meshTriangles[t][k] < capitalLimits[k / 3]);
    int total = 0;
    bool used[kMeshMaterialCount] = {};
    for (const MeshMaterialGroup& g : meshMaterialGroups) {
        ASSERT_TRUE(g.material >= 0 && g.material < kMeshMaterialCount && g.count > 0);
        used[g.material] = true;
        total += g.count;
    }
    EXPECT_EQ(total, kMeshTriangleCount);
    for (int m = 0; m < kMeshMaterialCount; ++m) EXPECT_TRUE(used[m]) << "texture " << m << " unused";
}

// The drawn meshes fill the hull boxes the rules collide with, and the fighter's guns end where its bolts leave.
TEST(MeshTables, DrawnMeshesFillTheirHullBoxesAndTheGunsEndAtTheMuzzles) {
    expectFillsBox(kPlayerVertexCount, playerShipPoint, {-0.8, -1.0, -1.8}, {0.8, 1.0, 0.9}, {0.1, 1.0, 0.05});
    expectFillsBox(kMeshVertexCount, capitalModelPoint, {-300, -45, -75}, {300, 25, 75}, {5, 1, 1});
    for (const V3& m : {V3{0.7, 0.4, 0.0}, V3{-0.7, 0.4, 0.0}, V3{0.6, -0.1, 0.0}, V3{-0.6, -0.1, 0.0}}) {
        double nearest = 1e9;
        for (int v = 0; v < kPlayerVertexCount; ++v) {
            const V3 p = playerShipPoint(v);
            nearest = std::fmin(nearest, std::hypot(p[0] - m[0], p[1] - m[1], p[2] - m[2]));
        }
        EXPECT_LT(nearest, 1e-6) << m[0] << ", " << m[1];
    }
}
