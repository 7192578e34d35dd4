#include "capital_table_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>

#include "assets/capital_mesh_tables.h"
#include "source_format.h"

namespace {

// The ship's scale of 5 times the model's own scale.
constexpr double kModelScale = 5.0 * kCapitalMeshScale;

// Model frame -> mesh frame, the inverse of a 270° turn about x:
// model (x, y, z) = mesh (x, z, -y).
Vec3d toMesh(Vec3d m) { return {m.x, -m.z, m.y}; }

template <size_t N>
std::string list(const std::array<float, N>& values) {
    std::string text = "{";
    for (size_t i = 0; i < N; ++i) text += floatLiteral(values[i]) + (i + 1 < N ? ", " : "");
    return text + "}";
}

// Keeps the first index of each distinct value.
template <size_t N>
class FloatTable {
public:
    int add(const std::array<float, N>& value) {
        auto [it, inserted] = index.try_emplace(value, static_cast<int>(rows.size()));
        if (inserted) rows.push_back(value);
        return it->second;
    }
    std::vector<std::array<float, N>> rows;

private:
    std::map<std::array<float, N>, int> index;
};

void writeFixedTables(std::ofstream& out) {
    out << "MeshTexture meshTextureTable[" << kMeshTextureCount << "] = {\n";
    for (int i = 0; i < kMeshTextureCount; ++i) out << "    {\"capital.p_" << i << ".bmp\", 0u},\n";
    out << "};\n\nconst MeshMaterial meshMaterials[" << kMeshMaterialCount << "] = {\n";
    const std::string one = floatLiteral(1.0f);
    const std::string white = "{" + one + ", " + one + ", " + one + "}";
    for (int i = 0; i < kMeshMaterialCount; ++i) {
        out << "    {" << white << ", " << white << ", " << white << ", " << white << ", " << one << ", "
            << floatLiteral(8.0f) << ", " << i << "},\n";
    }
    out << "};\n\n";
}

}  // namespace

bool writeCapitalTables(const MeshBuilder& mesh, const std::string& path) {
    // Group the triangles by material, keeping build order within a material.
    std::vector<MeshTriangle> triangles = mesh.triangles();
    std::stable_sort(triangles.begin(), triangles.end(),
                     [](const MeshTriangle& a, const MeshTriangle& b) { return a.material < b.material; });
    std::vector<MeshMaterialGroup> groups;
    for (const MeshTriangle& t : triangles) {
        if (groups.empty() || groups.back().material != t.material) groups.push_back({t.material, 0});
        ++groups.back().count;
    }

    FloatTable<3> vertices;
    std::vector<int> vertexRemap;
    for (const Vec3d& p : mesh.positions()) {
        const Vec3d m = toMesh(p * (1.0 / kModelScale));
        vertexRemap.push_back(vertices.add({static_cast<float>(m.x), static_cast<float>(m.y), static_cast<float>(m.z)}));
    }
    FloatTable<3> normals;
    std::vector<int> normalRemap;
    for (const Vec3d& n : mesh.normals()) {
        const Vec3d m = toMesh(n);
        normalRemap.push_back(normals.add({static_cast<float>(m.x), static_cast<float>(m.y), static_cast<float>(m.z)}));
    }
    FloatTable<2> texCoords;
    std::vector<int> texCoordRemap;
    for (const TexCoord& t : mesh.texCoords())
        texCoordRemap.push_back(texCoords.add({static_cast<float>(t.s), static_cast<float>(t.t)}));

    if (static_cast<int>(triangles.size()) != kMeshTriangleCount ||
        static_cast<int>(vertices.rows.size()) != kMeshVertexCount ||
        static_cast<int>(normals.rows.size()) != kMeshNormalCount ||
        static_cast<int>(texCoords.rows.size()) != kMeshTexCoordCount ||
        static_cast<int>(groups.size()) != kMeshMaterialGroupCount) {
        std::fprintf(stderr,
                     "mesh_modeller: capital mesh has %zu triangles, %zu vertices, %zu normals, %zu texture "
                     "coordinates, %zu material groups; update src/assets/capital_mesh_tables.h\n",
                     triangles.size(), vertices.rows.size(), normals.rows.size(), texCoords.rows.size(),
                     groups.size());
        return false;
    }
    constexpr size_t kIndexLimit = std::numeric_limits<std::int16_t>::max();
    if (vertices.rows.size() > kIndexLimit || normals.rows.size() > kIndexLimit ||
        texCoords.rows.size() > kIndexLimit) {
        std::fprintf(stderr, "mesh_modeller: capital mesh too large for 16-bit indices\n");
        return false;
    }

    std::ofstream out(path, std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "mesh_modeller: cannot write %s\n", path.c_str());
        return false;
    }
    out << "// Written by the mesh modeller; do not edit.\n#include \"assets/capital_mesh_tables.h\"\n\n";
    writeFixedTables(out);
    out << "const std::int16_t meshTriangles[" << triangles.size() << "][9] = {\n";
    for (const MeshTriangle& t : triangles) {
        const MeshCorner* c = t.corners;
        out << "    {";
        for (int i = 0; i < 3; ++i) out << vertexRemap[c[i].position] << ", ";
        for (int i = 0; i < 3; ++i) out << normalRemap[c[i].normal] << ", ";
        for (int i = 0; i < 3; ++i) out << texCoordRemap[c[i].texCoord] << (i < 2 ? ", " : "");
        out << "},\n";
    }
    out << "};\n\nconst float meshVertices[" << vertices.rows.size() << "][3] = {\n";
    for (const auto& v : vertices.rows) out << "    " << list(v) << ",\n";
    out << "};\n\nconst float meshNormals[" << normals.rows.size() << "][3] = {\n";
    for (const auto& n : normals.rows) out << "    " << list(n) << ",\n";
    out << "};\n\nconst float meshTexCoords[" << texCoords.rows.size() << "][2] = {\n";
    for (const auto& t : texCoords.rows) out << "    " << list(t) << ",\n";
    out << "};\n\nconst MeshMaterialGroup meshMaterialGroups[" << groups.size() << "] = {\n";
    for (const MeshMaterialGroup& g : groups) out << "    {" << g.material << ", " << g.count << "},\n";
    out << "};\n";
    return static_cast<bool>(out);
}
