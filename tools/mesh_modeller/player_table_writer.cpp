#include <cmath>
#include "player_table_writer.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <map>

#include "assets/player_mesh_tables.h"
#include "source_format.h"

namespace {

using Matrix3 = std::array<std::array<double, 3>, 3>;

// The 3x3 part of the placement matrix, as rows.
Matrix3 placementRotation() {
    Matrix3 a{};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) a[row][col] = kPlayerMeshPlacement[col * 4 + row];
    return a;
}

Matrix3 inverse(const Matrix3& m) {
    Matrix3 r{};
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            // Cofactor of (col, row), transposed into place.
            const int r0 = (col + 1) % 3;
            const int r1 = (col + 2) % 3;
            const int c0 = (row + 1) % 3;
            const int c1 = (row + 2) % 3;
            r[row][col] = (m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]) / det;
        }
    }
    return r;
}

Vec3d multiply(const Matrix3& m, Vec3d v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Vec3d multiplyTransposed(const Matrix3& m, Vec3d v) {
    return {m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z, m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
            m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
}

struct Material {
    float diffuse[3];
};

// Diffuse colours by record; every record but 0 has a black ambient and a
// specular of 0.898039.
constexpr Material kMaterials[kPlayerMaterialCount] = {
    {{0.5f, 0.5f, 0.5f}},
    {{0.458824f, 0.521569f, 1.0f}},
    {{1.0f, 0.639216f, 0.070588f}},
    {{1.0f, 1.0f, 1.0f}},
    {{0.584314f, 0.584314f, 0.584314f}},
};

std::string triple(const std::string& a, const std::string& b, const std::string& c) {
    return "{" + a + ", " + b + ", " + c + "}";
}

void writeMaterials(std::ofstream& out) {
    out << "const PlayerMaterial playerMaterials[" << kPlayerMaterialCount << "] = {\n";
    for (int i = 0; i < kPlayerMaterialCount; ++i) {
        const float* d = kMaterials[i].diffuse;
        const float ambient = i == 0 ? 0.5f : 0.0f;
        const float specular = i == 0 ? 0.0f : 0.898039f;
        const std::string a = floatLiteral(ambient);
        const std::string s = floatLiteral(specular);
        const std::string zero = floatLiteral(0.0f);
        out << "    {" << floatLiteral(1.0f) << ", " << triple(a, a, a) << ", "
            << triple(floatLiteral(d[0]), floatLiteral(d[1]), floatLiteral(d[2])) << ", " << triple(s, s, s) << ", "
            << triple(zero, zero, zero) << ", " << floatLiteral(0.1f) << ", nullptr, 0, 0, 0, 0, 0u},\n";
    }
    out << "};\n";
}

}  // namespace

bool writePlayerTables(const MeshBuilder& mesh, const std::string& path) {
    const Matrix3 a = placementRotation();
    const Matrix3 aInverse = inverse(a);
    const Vec3d scale{kPlayerMeshScale[0], kPlayerMeshScale[1], kPlayerMeshScale[2]};
    const Vec3d shift{kPlayerMeshPlacement[12], kPlayerMeshPlacement[13], kPlayerMeshPlacement[14]};
    const Vec3d offset{kShipMeshOffsetX, 0.0, 0.0};

    // Ship point p = offset + S (A v + shift), so v = A^-1 (S^-1 (p - offset) - shift).
    std::vector<Vec3d> vertices;
    for (const Vec3d& p : mesh.positions()) {
        const Vec3d q = p - offset;
        const Vec3d unscaled{q.x / scale.x, q.y / scale.y, q.z / scale.z};
        vertices.push_back(multiply(aInverse, unscaled - shift));
    }
    // The GL carries normals by the inverse transpose of S A, and normalisation
    // is off while the fighter is drawn. Storing unit normals A^T sign(S) N in the
    // mesh's own space gives ship-frame normals 1/0.015 times too long: the game's
    // lights are deliberately faint (0.01 to 0.012 diffuse) and rely on that gain
    // to light the fighter.
    std::vector<std::array<float, 3>> normals;
    std::map<std::array<float, 3>, int> normalIndex;
    std::vector<int> normalRemap;
    for (const Vec3d& n : mesh.normals()) {
        const Vec3d scaled{n.x * scale.x / std::abs(scale.x), n.y * scale.y / std::abs(scale.y),
                           n.z * scale.z / std::abs(scale.z)};
        const Vec3d stored = multiplyTransposed(a, scaled);
        const std::array<float, 3> key{static_cast<float>(stored.x), static_cast<float>(stored.y),
                                       static_cast<float>(stored.z)};
        auto [it, inserted] = normalIndex.try_emplace(key, static_cast<int>(normals.size()));
        if (inserted) normals.push_back(key);
        normalRemap.push_back(it->second);
    }

    const auto& triangles = mesh.triangles();
    if (static_cast<int>(vertices.size()) != kPlayerVertexCount ||
        static_cast<int>(normals.size()) != kPlayerNormalCount ||
        static_cast<int>(triangles.size()) != kPlayerTriangleCount) {
        std::fprintf(stderr,
                     "mesh_modeller: player mesh has %zu vertices, %zu normals, %zu triangles; "
                     "update src/assets/player_mesh_tables.h\n",
                     vertices.size(), normals.size(), triangles.size());
        return false;
    }

    std::ofstream out(path, std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "mesh_modeller: cannot write %s\n", path.c_str());
        return false;
    }
    out << "// Written by the mesh modeller; do not edit.\n#include \"assets/player_mesh_tables.h\"\n\n";
    out << "const double playerVertices[" << vertices.size() << "][3] = {\n";
    for (const Vec3d& v : vertices)
        out << "    " << triple(doubleLiteral(v.x), doubleLiteral(v.y), doubleLiteral(v.z)) << ",\n";
    out << "};\n\nconst float playerNormals[" << normals.size() << "][3] = {\n";
    for (const auto& n : normals)
        out << "    " << triple(floatLiteral(n[0]), floatLiteral(n[1]), floatLiteral(n[2])) << ",\n";
    out << "};\n\nconst std::int32_t playerTriangles[" << triangles.size() << "][6] = {\n";
    // The ship's frame is mirrored against the world's (forward is -z there),
    // so faces modelled counter-clockwise in it are stored in reverse order.
    constexpr int kCornerOrder[3] = {0, 2, 1};
    for (const MeshTriangle& t : triangles) {
        out << "    {";
        for (int i = 0; i < 3; ++i) {
            const MeshCorner& c = t.corners[kCornerOrder[i]];
            out << c.position << ", " << normalRemap[c.normal] << (i < 2 ? ", " : "");
        }
        out << "},\n";
    }
    out << "};\n\nconst std::int32_t playerTriangleMaterials[" << triangles.size() << "] = {\n";
    for (size_t i = 0; i < triangles.size(); ++i)
        out << (i % 20 == 0 ? "    " : " ") << triangles[i].material << "," << (i % 20 == 19 ? "\n" : "");
    out << "\n};\n\n";
    writeMaterials(out);
    return static_cast<bool>(out);
}
