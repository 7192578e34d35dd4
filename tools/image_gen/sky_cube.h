#pragma once
#include <array>

#include "vec3.h"

// One wall of the sky cube: which corner of the cube (coordinates +-1) each
// texture corner is drawn at. The game draws its faces with exactly these
// corners, so a texel's direction follows from its texture coordinate.
struct SkyFace {
    const char* baseName;  // file name without the ".ppm" / "2.ppm" ending
    Vec3f corner00;        // texture (s, t) = (0, 0): first column of the first file row
    Vec3f corner10;        // (1, 0)
    Vec3f corner01;        // (0, 1)
    Vec3f corner11;        // (1, 1)
};

// Faces in the game's face order: up, down, front, back, left, right.
const std::array<SkyFace, 6>& skyFaces();

// The point on the cube for texture coordinate (s, t), by bilinear interpolation
// of the face's corners.
Vec3f skyFacePoint(const SkyFace& face, float s, float t);
