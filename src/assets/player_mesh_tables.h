#pragma once
#include <cstdint>

// The player's fighter: drawn every frame from a vertex array, untextured,
// with one lit material per triangle. The tables are written by the mesh
// modeller at build time.

struct PlayerMaterial {
    float alpha;
    float ambient[3];
    float diffuse[3];
    float specular[3];
    float emission[3];
    float spare;                      // 0.1 in every record, never read
    const unsigned char* textureImage;  // no record carries an image
    std::int32_t textureWidth;
    std::int32_t textureHeight;
    std::int32_t wrapSRepeat;
    std::int32_t wrapTRepeat;
    std::uint32_t textureName;
};

// The modeller refuses to write tables of any other size.
constexpr int kPlayerVertexCount = 553;
constexpr int kPlayerNormalCount = 517;
constexpr int kPlayerTriangleCount = 1016;
constexpr int kPlayerMaterialCount = 5;

extern const double playerVertices[kPlayerVertexCount][3];
extern const float playerNormals[kPlayerNormalCount][3];
// Vertex index and normal index of corner 0, of corner 1, of corner 2.
extern const std::int32_t playerTriangles[kPlayerTriangleCount][6];
extern const std::int32_t playerTriangleMaterials[kPlayerTriangleCount];
extern const PlayerMaterial playerMaterials[kPlayerMaterialCount];

// The mesh is drawn with glScaled(kPlayerMeshScale) and then
// glMultMatrixf(kPlayerMeshPlacement) (column-major), which turn and move
// it from its modelling frame into the ship's frame.
constexpr double kPlayerMeshScale[3] = {0.015, 0.015, -0.015};
constexpr float kPlayerMeshPlacement[16] = {
    -0.009045f, 0.0f, -0.999959f, 0.0f,
    -0.999959f, 0.0f, 0.009045f, 0.0f,
    0.0f, 1.0f, 0.0f, 0.0f,
    120.67902f, -3.91436f, 123.50676f, 1.0f,
};
// The ship's draw shifts the mesh by this much along its right axis before
// the two transforms above, so the fighter ends up centred on the ship.
constexpr float kShipMeshOffsetX = -1.4125f;
