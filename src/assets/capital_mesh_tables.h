#pragma once
#include <cstdint>

// The capital ship: a textured mesh compiled into a display list per ship.
// The tables are written by the mesh modeller at build time.

struct MeshTexture {
    const char* fileName;
    std::uint32_t textureName;  // filled when a ship builds its model
};

struct MeshMaterial {
    float ambient[3];
    float diffuse[3];
    float specular[3];
    float emission[3];
    float alpha;
    float shininess;
    std::int32_t textureIndex;  // into meshTextureTable; -1 = untextured
};

// A run of consecutive triangles drawn with one material.
struct MeshMaterialGroup {
    std::int32_t material;
    std::int32_t count;
};

// The modeller refuses to write tables of any other size.
constexpr int kMeshTextureCount = 6;
constexpr int kMeshMaterialCount = 6;
constexpr int kMeshTriangleCount = 2960;
constexpr int kMeshVertexCount = 1902;
constexpr int kMeshNormalCount = 405;
constexpr int kMeshTexCoordCount = 1917;
constexpr int kMeshMaterialGroupCount = 6;

extern MeshTexture meshTextureTable[kMeshTextureCount];
extern const MeshMaterial meshMaterials[kMeshMaterialCount];
// Vertex indices of corners 0, 1, 2; normal indices; texture-coordinate indices.
extern const std::int16_t meshTriangles[kMeshTriangleCount][9];
extern const float meshVertices[kMeshVertexCount][3];
extern const float meshNormals[kMeshNormalCount][3];
extern const float meshTexCoords[kMeshTexCoordCount][2];
extern const MeshMaterialGroup meshMaterialGroups[kMeshMaterialGroupCount];

// MeshModel::draw scales the mesh by this and turns it about x by
// kCapitalMeshTurn degrees; the ship's own draw adds its scale of 5.
constexpr float kCapitalMeshScale = 120.0f;
constexpr float kCapitalMeshTurn = 270.0f;
