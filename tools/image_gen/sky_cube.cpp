#include "sky_cube.h"

const std::array<SkyFace, 6>& skyFaces()
{
    // Wall y = +1, y = -1, z = +1, z = -1, x = +1, x = -1.
    static const std::array<SkyFace, 6> faces = {{
        {"sky_up", {1, 1, 1}, {-1, 1, 1}, {1, 1, -1}, {-1, 1, -1}},
        {"sky_down", {-1, -1, 1}, {1, -1, 1}, {-1, -1, -1}, {1, -1, -1}},
        {"sky_front", {1, -1, 1}, {-1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},
        {"sky_back", {-1, -1, -1}, {1, -1, -1}, {-1, 1, -1}, {1, 1, -1}},
        {"sky_left", {1, -1, -1}, {1, -1, 1}, {1, 1, -1}, {1, 1, 1}},
        {"sky_right", {-1, -1, 1}, {-1, -1, -1}, {-1, 1, 1}, {-1, 1, -1}},
    }};
    return faces;
}

Vec3f skyFacePoint(const SkyFace& face, float s, float t)
{
    const Vec3f near = face.corner00 + (face.corner10 - face.corner00) * s;
    const Vec3f far = face.corner01 + (face.corner11 - face.corner01) * s;
    return near + (far - near) * t;
}
