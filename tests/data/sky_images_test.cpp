// The sky cube: the six faces must form one continuous sky, and the
// touched-wall alternates must light up.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "image_test_files.h"

using namespace image_test;

namespace {

// The corners the game draws each face with: texture s, t, then x, y, z in
// half edges; faces up, down, front, back, left, right.
constexpr float kDrawnCorners[6][4][5] = {
    {{1, 1, -1, 1, -1}, {0, 1, 1, 1, -1}, {0, 0, 1, 1, 1}, {1, 0, -1, 1, 1}},
    {{1, 1, 1, -1, -1}, {0, 1, -1, -1, -1}, {0, 0, -1, -1, 1}, {1, 0, 1, -1, 1}},
    {{0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}, {1, 1, -1, 1, 1}, {0, 1, 1, 1, 1}},
    {{0, 0, -1, -1, -1}, {1, 0, 1, -1, -1}, {1, 1, 1, 1, -1}, {0, 1, -1, 1, -1}},
    {{1, 0, 1, -1, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 1, -1}, {0, 0, 1, -1, -1}},
    {{1, 0, -1, -1, -1}, {1, 1, -1, 1, -1}, {0, 1, -1, 1, 1}, {0, 0, -1, -1, 1}},
};
const char* const kFaceNames[6] = {"up", "down", "front", "back", "left", "right"};

using Vec = std::array<float, 3>;

// A face's picture, its texture corner (0, 0) in space, and its texture axes (2 long).
struct Face {
    RgbPicture picture;
    Vec origin{}, axisS{}, axisT{};
    int normalAxis = 0;
};

std::array<Face, 6> loadSky(const char* suffix)
{
    std::array<Face, 6> cube;
    for (int f = 0; f < 6; ++f) {
        Face& face = cube[f];
        face.picture = loadPpm(std::string("sky_") + kFaceNames[f] + suffix + ".ppm");
        for (const auto& c : kDrawnCorners[f])
            if (c[0] + c[1] < 2) (c[1] == 1 ? face.axisT : c[0] == 1 ? face.axisS : face.origin) = {c[2], c[3], c[4]};
        for (int i = 0; i < 3; ++i) {
            face.axisT[i] -= face.origin[i];
            face.axisS[i] -= face.origin[i];
            if (face.axisS[i] == 0 && face.axisT[i] == 0) face.normalAxis = i;
        }
    }
    return cube;
}

// The texel of whichever face the direction `p` points through.
const std::uint8_t* texelSeenAlong(const std::array<Face, 6>& cube, Vec p)
{
    int axis = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(p[i]) > std::fabs(p[axis])) axis = i;
    int f = 0;
    while (cube[f].normalAxis != axis || cube[f].origin[axis] * p[axis] < 0) ++f;
    float s = 0, t = 0;
    for (int i = 0; i < 3; ++i) {
        s += (p[i] / std::fabs(p[axis]) - cube[f].origin[i]) * cube[f].axisS[i] / 4.0f;
        t += (p[i] / std::fabs(p[axis]) - cube[f].origin[i]) * cube[f].axisT[i] / 4.0f;
    }
    const RgbPicture& picture = cube[f].picture;
    return picture.at(std::clamp(static_cast<int>(s * picture.width), 0, picture.width - 1),
                      std::clamp(static_cast<int>(t * picture.height), 0, picture.height - 1));
}

}  // namespace

// Along every edge of every face, the texel just across the edge (found through
// the drawn corners, on the neighbouring face) must match the edge texel. A
// face turned or mirrored the wrong way matches only as badly as a texel from
// the far end of the edge, which is the comparison the test also makes.
TEST(SkyImages, FacesMeetWithoutSeams)
{
    const std::array<Face, 6> cube = loadSky("");
    for (int f = 0; f < 6; ++f) {
        const RgbPicture& picture = cube[f].picture;
        const int n = picture.width;
        ASSERT_EQ(picture.height, n);
        // Edge 0: s = 0, 1: s = 1, 2: t = 0, 3: t = 1.
        for (int edge = 0; edge < 4; ++edge) {
            SCOPED_TRACE(std::string(kFaceNames[f]) + " edge " + std::to_string(edge));
            const float out = edge % 2 == 0 ? -0.5f / n : 1.0f + 0.5f / n;  // half a texel outside
            const int in = edge % 2 == 0 ? 0 : n - 1;
            auto across = [&](int along) {
                const float a = (along + 0.5f) / n, s = edge < 2 ? out : a, t = edge < 2 ? a : out;
                Vec p;
                for (int i = 0; i < 3; ++i) p[i] = cube[f].origin[i] + s * cube[f].axisS[i] + t * cube[f].axisT[i];
                return texelSeenAlong(cube, p);
            };
            double matched = 0.0, mirrored = 0.0;
            for (int k = 0; k < n; ++k)
                for (int c = 0; c < 3; ++c) {
                    const int inside = (edge < 2 ? picture.at(in, k) : picture.at(k, in))[c];
                    matched += std::abs(inside - across(k)[c]) / (3.0 * n);
                    mirrored += std::abs(inside - across(n - 1 - k)[c]) / (3.0 * n);
                }
            EXPECT_LT(matched, 4.0);
            EXPECT_LT(matched * 2.0, mirrored);
        }
    }
}

// A touched wall glows cyan: clearly brighter than its plain face, with green
// and blue lifted well above red.
TEST(SkyImages, TouchedWallsGlowCyan)
{
    const std::array<Face, 6> plain = loadSky(""), touched = loadSky("2");
    for (int f = 0; f < 6; ++f) {
        SCOPED_TRACE(kFaceNames[f]);
        const RgbPicture &p = plain[f].picture, &glow = touched[f].picture;
        ASSERT_EQ(glow.rgb.size(), p.rgb.size());
        double lift[3] = {0, 0, 0};
        for (std::size_t i = 0; i < p.rgb.size(); ++i) lift[i % 3] += (glow.rgb[i] - p.rgb[i]) / (p.rgb.size() / 3.0);
        EXPECT_GT(lift[1], 30.0);
        EXPECT_GT(lift[2], 40.0);
        EXPECT_GT(lift[2], 2.0 * lift[0]);
    }
}
