#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "assets/capital_mesh_tables.h"
#include "assets/player_mesh_tables.h"

namespace {

using V3 = std::array<double, 3>;

V3 sub(const V3& a, const V3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double dot(const V3& a, const V3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
V3 cross(const V3& a, const V3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double length(const V3& a) { return std::sqrt(dot(a, a)); }

// Element (row, col) of the placement matrix's 3x3 part (column-major floats).
double placement(int row, int col) { return kPlayerMeshPlacement[col * 4 + row]; }

// Where the ship's draw puts a stored vertex, in the ship's frame (x right, y up, z forward).
V3 playerShipPoint(int vertex) {
    const double* v = playerVertices[vertex];
    V3 p{};
    for (int r = 0; r < 3; ++r) {
        const double placed = placement(r, 0) * v[0] + placement(r, 1) * v[1] + placement(r, 2) * v[2] +
                              kPlayerMeshPlacement[12 + r];
        p[r] = placed * kPlayerMeshScale[r];
    }
    p[0] += kShipMeshOffsetX;
    return p;
}

// The GL carries a normal n by the inverse transpose of scale x placement:
// N = S^-1 A^-T n. Solve A^T m = n by Cramer's rule, then divide by S.
V3 playerShipNormal(int normal) {
    const float* n = playerNormals[normal];
    double t[3][3];  // A^T
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) t[r][c] = placement(c, r);
    auto det = [](double m[3][3]) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double d = det(t);
    V3 m{};
    for (int k = 0; k < 3; ++k) {
        double replaced[3][3];
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) replaced[r][c] = c == k ? n[r] : t[r][c];
        m[k] = det(replaced) / d / kPlayerMeshScale[k];
    }
    return m;
}

// The ship's frame at rest maps (x, y, z) to world (x, y, -z), a mirror.
V3 toWorld(const V3& p) { return {p[0], p[1], -p[2]}; }

double nearestPlayerVertex(const V3& point, int material = -1) {
    double best = 1e9;
    for (int t = 0; t < kPlayerTriangleCount; ++t) {
        if (material >= 0 && playerTriangleMaterials[t] != material) continue;
        for (int c = 0; c < 3; ++c) best = std::fmin(best, length(sub(playerShipPoint(playerTriangles[t][c * 2]), point)));
    }
    return best;
}

// Capital model frame: the mesh drawn at 120 x 5, turned 270 degrees about x.
V3 capitalModelPoint(int vertex) {
    const float* v = meshVertices[vertex];
    constexpr double k = 600.0;
    return {k * v[0], k * v[2], -k * v[1]};
}

}  // namespace

TEST(PlayerMeshTables, IndicesAndMaterialsInRange) {
    int used[kPlayerMaterialCount] = {};
    for (int t = 0; t < kPlayerTriangleCount; ++t) {
        for (int c = 0; c < 3; ++c) {
            ASSERT_GE(playerTriangles[t][c * 2], 0);
            ASSERT_LT(playerTriangles[t][c * 2], kPlayerVertexCount);
            ASSERT_GE(playerTriangles[t][c * 2 + 1], 0);
            ASSERT_LT(playerTriangles[t][c * 2 + 1], kPlayerNormalCount);
        }
        const int m = playerTriangleMaterials[t];
        ASSERT_GE(m, 1) << "record 0 is never used";
        ASSERT_LT(m, kPlayerMaterialCount);
        ++used[m];
    }
    for (int m = 1; m < kPlayerMaterialCount; ++m) EXPECT_GT(used[m], 0) << "material " << m;
    EXPECT_GT(used[4], kPlayerTriangleCount / 2) << "grey hull should dominate";
}

TEST(PlayerMeshTables, MaterialRecords) {
    const float diffuse[5][3] = {{0.5f, 0.5f, 0.5f}, {0.458824f, 0.521569f, 1.0f}, {1.0f, 0.639216f, 0.070588f},
                                 {1.0f, 1.0f, 1.0f}, {0.584314f, 0.584314f, 0.584314f}};
    for (int i = 0; i < kPlayerMaterialCount; ++i) {
        const PlayerMaterial& m = playerMaterials[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(m.alpha, 1.0f);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(m.ambient[c], i == 0 ? 0.5f : 0.0f);
            EXPECT_EQ(m.diffuse[c], diffuse[i][c]);
            EXPECT_EQ(m.specular[c], i == 0 ? 0.0f : 0.898039f);
            EXPECT_EQ(m.emission[c], 0.0f);
        }
        EXPECT_EQ(m.spare, 0.1f);
        EXPECT_EQ(m.textureImage, nullptr);
    }
}

TEST(PlayerMeshTables, DrawnMeshFillsTheHullBox) {
    V3 low{1e9, 1e9, 1e9};
    V3 high{-1e9, -1e9, -1e9};
    for (int v = 0; v < kPlayerVertexCount; ++v) {
        const V3 p = playerShipPoint(v);
        for (int a = 0; a < 3; ++a) {
            low[a] = std::fmin(low[a], p[a]);
            high[a] = std::fmax(high[a], p[a]);
        }
    }
    constexpr double kSlack = 1e-6;
    EXPECT_GE(low[0], -0.8 - kSlack);
    EXPECT_LE(high[0], 0.8 + kSlack);
    EXPECT_GE(low[1], -1.0 - kSlack);
    EXPECT_LE(high[1], 1.0 + kSlack);
    EXPECT_GE(low[2], -1.8 - kSlack);
    EXPECT_LE(high[2], 0.9 + kSlack);
    // And it is not a toy inside the box: it spans most of each side.
    EXPECT_GT(high[0] - low[0], 1.3);
    EXPECT_GT(high[2] - low[2], 2.5);
}

TEST(PlayerMeshTables, GunsEndAtTheMuzzlesAndExhaustsAtTheNozzles) {
    const V3 muzzles[4] = {{0.7, 0.4, 0.0}, {-0.7, 0.4, 0.0}, {0.6, -0.1, 0.0}, {-0.6, -0.1, 0.0}};
    for (const V3& m : muzzles) {
        EXPECT_LT(nearestPlayerVertex(m), 1e-6) << m[0] << ", " << m[1];
        // Nothing of the gun reaches further forward than its muzzle.
        for (int v = 0; v < kPlayerVertexCount; ++v) {
            const V3 p = playerShipPoint(v);
            if (std::fabs(p[0] - m[0]) < 0.06 && std::fabs(p[1] - m[1]) < 0.06) {
                ASSERT_LE(p[2], 1e-9);
            }
        }
    }
    constexpr int kGlow = 2;
    EXPECT_LT(nearestPlayerVertex({0.35, 0.4, -1.8}, kGlow), 1e-6);
    EXPECT_LT(nearestPlayerVertex({-0.35, 0.4, -1.8}, kGlow), 1e-6);
}

TEST(PlayerMeshTables, NormalsCarryTheLightingGainAndFacesCounterClockwise) {
    for (int n = 0; n < kPlayerNormalCount; ++n) {
        // Stored unit length, they come out 1/0.015 long: the gain the faint lights rely on.
        ASSERT_NEAR(length(playerShipNormal(n)) * 0.015, 1.0, 1e-4) << "normal " << n;
    }
    // Seen in the world with the ship at rest, each face's winding agrees
    // with its corner normals.
    int disagreeing = 0;
    for (int t = 0; t < kPlayerTriangleCount; ++t) {
        V3 corner[3];
        V3 normalSum{};
        for (int c = 0; c < 3; ++c) {
            corner[c] = toWorld(playerShipPoint(playerTriangles[t][c * 2]));
            const V3 n = toWorld(playerShipNormal(playerTriangles[t][c * 2 + 1]));
            for (int a = 0; a < 3; ++a) normalSum[a] += n[a];
        }
        const V3 face = cross(sub(corner[1], corner[0]), sub(corner[2], corner[0]));
        if (length(face) < 1e-9) continue;
        if (dot(face, normalSum) <= 0.0) ++disagreeing;
    }
    EXPECT_EQ(disagreeing, 0);
}

TEST(CapitalMeshTables, IndicesGroupsAndMaterials) {
    for (int t = 0; t < kMeshTriangleCount; ++t) {
        for (int c = 0; c < 3; ++c) {
            ASSERT_GE(meshTriangles[t][c], 0);
            ASSERT_LT(meshTriangles[t][c], kMeshVertexCount);
            ASSERT_GE(meshTriangles[t][3 + c], 0);
            ASSERT_LT(meshTriangles[t][3 + c], kMeshNormalCount);
            ASSERT_GE(meshTriangles[t][6 + c], 0);
            ASSERT_LT(meshTriangles[t][6 + c], kMeshTexCoordCount);
        }
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

    for (int i = 0; i < kMeshMaterialCount; ++i) {
        const MeshMaterial& m = meshMaterials[i];
        SCOPED_TRACE(i);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(m.ambient[c], 1.0f);
            EXPECT_EQ(m.diffuse[c], 1.0f);
            EXPECT_EQ(m.specular[c], 1.0f);
            EXPECT_EQ(m.emission[c], 1.0f);
        }
        EXPECT_EQ(m.alpha, 1.0f);
        EXPECT_EQ(m.shininess, 8.0f);
        EXPECT_EQ(m.textureIndex, i);
        const std::string name = "capital.p_" + std::to_string(i) + ".bmp";
        EXPECT_STREQ(meshTextureTable[i].fileName, name.c_str());
    }
}

TEST(CapitalMeshTables, DrawnMeshFillsTheHullBox) {
    V3 low{1e9, 1e9, 1e9};
    V3 high{-1e9, -1e9, -1e9};
    for (int v = 0; v < kMeshVertexCount; ++v) {
        const V3 p = capitalModelPoint(v);
        for (int a = 0; a < 3; ++a) {
            low[a] = std::fmin(low[a], p[a]);
            high[a] = std::fmax(high[a], p[a]);
        }
    }
    constexpr double kSlack = 1e-3;
    EXPECT_GE(low[0], -300.0 - kSlack);
    EXPECT_LE(high[0], 300.0 + kSlack);
    EXPECT_GE(low[1], -45.0 - kSlack);
    EXPECT_LE(high[1], 25.0 + kSlack);
    EXPECT_GE(low[2], -75.0 - kSlack);
    EXPECT_LE(high[2], 75.0 + kSlack);
    // The hull reaches each face of its box, so the drawn ship matches what the rules collide with.
    EXPECT_LT(low[0], -295.0);
    EXPECT_GT(high[0], 295.0);
    EXPECT_LT(low[1], -44.0);
    EXPECT_GT(high[1], 24.0);
    EXPECT_LT(low[2], -74.0);
    EXPECT_GT(high[2], 74.0);
}

TEST(CapitalMeshTables, GunBarrelsEndAtTheGunPointsFacingOutwards) {
    constexpr int kGunMetal = 5;
    const V3 guns[6] = {{35, 10, 50}, {50, 10, 50}, {70, 10, 50}, {35, 10, -50}, {50, 10, -50}, {70, 10, -50}};
    // Triangles are grouped by material; walk the groups to find gun metal.
    int first = 0;
    for (const MeshMaterialGroup& g : meshMaterialGroups) {
        if (g.material == kGunMetal) {
            for (const V3& gun : guns) {
                const double aim = gun[2] > 0 ? 1.0 : -1.0;
                double nearest = 1e9;
                bool barrelBehind = false;
                for (int t = first; t < first + g.count; ++t) {
                    for (int c = 0; c < 3; ++c) {
                        const V3 p = capitalModelPoint(meshTriangles[t][c]);
                        const V3 d = sub(p, gun);
                        nearest = std::fmin(nearest, length(d));
                        // Barrel: metal within 2 units of the gun's line, 4 to 8 units behind the muzzle.
                        if (std::hypot(d[0], d[1]) < 2.0 && d[2] * aim < -4.0 && d[2] * aim > -8.0) barrelBehind = true;
                    }
                }
                EXPECT_LT(nearest, 0.01) << "gun at " << gun[0] << ", " << gun[2];
                EXPECT_TRUE(barrelBehind) << "gun at " << gun[0] << ", " << gun[2];
            }
        }
        first += g.count;
    }
}

TEST(CapitalMeshTables, UnitNormalsAndCounterClockwiseFaces) {
    for (int n = 0; n < kMeshNormalCount; ++n) {
        const V3 v{meshNormals[n][0], meshNormals[n][1], meshNormals[n][2]};
        ASSERT_NEAR(length(v), 1.0, 1e-5) << "normal " << n;
    }
    int disagreeing = 0;
    for (int t = 0; t < kMeshTriangleCount; ++t) {
        V3 corner[3];
        V3 normalSum{};
        for (int c = 0; c < 3; ++c) {
            const float* v = meshVertices[meshTriangles[t][c]];
            corner[c] = {v[0], v[1], v[2]};
            const float* n = meshNormals[meshTriangles[t][3 + c]];
            for (int a = 0; a < 3; ++a) normalSum[a] += n[a];
        }
        const V3 face = cross(sub(corner[1], corner[0]), sub(corner[2], corner[0]));
        if (length(face) < 1e-12) continue;
        if (dot(face, normalSum) <= 0.0) ++disagreeing;
    }
    EXPECT_EQ(disagreeing, 0);
}
