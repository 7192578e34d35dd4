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

struct Corner {
    float s, t, x, y, z;
};

// The corners the game draws each face with, texture coordinate then position
// (in units of the half edge), in face order up, down, front, back, left, right.
constexpr Corner kDrawnCorners[6][4] = {
    {{1, 1, -1, 1, -1}, {0, 1, 1, 1, -1}, {0, 0, 1, 1, 1}, {1, 0, -1, 1, 1}},
    {{1, 1, 1, -1, -1}, {0, 1, -1, -1, -1}, {0, 0, -1, -1, 1}, {1, 0, 1, -1, 1}},
    {{0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}, {1, 1, -1, 1, 1}, {0, 1, 1, 1, 1}},
    {{0, 0, -1, -1, -1}, {1, 0, 1, -1, -1}, {1, 1, 1, 1, -1}, {0, 1, -1, 1, -1}},
    {{1, 0, 1, -1, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 1, -1}, {0, 0, 1, -1, -1}},
    {{1, 0, -1, -1, -1}, {1, 1, -1, 1, -1}, {0, 1, -1, 1, 1}, {0, 0, -1, -1, 1}},
};
const char* const kFaceNames[6] = {"up", "down", "front", "back", "left", "right"};

using Vec = std::array<float, 3>;

// A face as an origin (texture corner 0, 0) and the two texture axes in space.
struct FaceFrame {
    Vec origin, axisS, axisT;
    int normalAxis;  // 0, 1, 2 for x, y, z
    float normalSign;
};

FaceFrame frameOf(int face)
{
    auto cornerAt = [&](float s, float t) {
        for (const Corner& c : kDrawnCorners[face])
            if (c.s == s && c.t == t) return Vec{c.x, c.y, c.z};
        ADD_FAILURE() << "corner missing";
        return Vec{};
    };
    FaceFrame frame{cornerAt(0, 0), {}, {}, 0, 0.0f};
    const Vec s1 = cornerAt(1, 0), t1 = cornerAt(0, 1);
    for (int i = 0; i < 3; ++i) {
        frame.axisS[i] = s1[i] - frame.origin[i];
        frame.axisT[i] = t1[i] - frame.origin[i];
        if (frame.axisS[i] == 0 && frame.axisT[i] == 0) {
            frame.normalAxis = i;
            frame.normalSign = frame.origin[i];
        }
    }
    return frame;
}

Vec pointOn(const FaceFrame& f, float s, float t)
{
    return {f.origin[0] + s * f.axisS[0] + t * f.axisT[0], f.origin[1] + s * f.axisS[1] + t * f.axisT[1],
            f.origin[2] + s * f.axisS[2] + t * f.axisT[2]};
}

struct SkyCube {
    std::array<RgbPicture, 6> faces;
    std::array<FaceFrame, 6> frames;
};

SkyCube loadSky(const char* suffix)
{
    SkyCube cube;
    for (int i = 0; i < 6; ++i) {
        cube.faces[i] = fromPpm(loadPpm(std::string("sky_") + kFaceNames[i] + suffix + ".ppm"));
        cube.frames[i] = frameOf(i);
    }
    return cube;
}

// The texel of whichever face the direction `p` points through.
const std::uint8_t* texelSeenAlong(const SkyCube& cube, Vec p)
{
    int axis = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(p[i]) > std::fabs(p[axis])) axis = i;
    int face = 0;
    while (cube.frames[face].normalAxis != axis || cube.frames[face].normalSign * p[axis] < 0) ++face;
    const FaceFrame& f = cube.frames[face];
    const float scale = 1.0f / std::fabs(p[axis]);
    float s = 0, t = 0;
    for (int i = 0; i < 3; ++i) {
        s += (p[i] * scale - f.origin[i]) * f.axisS[i] / 4.0f;  // axes are 2 long
        t += (p[i] * scale - f.origin[i]) * f.axisT[i] / 4.0f;
    }
    const RgbPicture& picture = cube.faces[face];
    const int x = std::clamp(static_cast<int>(s * picture.width), 0, picture.width - 1);
    const int y = std::clamp(static_cast<int>(t * picture.height), 0, picture.height - 1);
    return picture.at(x, y);
}

double channelDifference(const std::uint8_t* a, const std::uint8_t* b)
{
    return (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2])) / 3.0;
}

}  // namespace

// Along every edge of every face, the texel just across the edge (found through
// the drawn corners, on the neighbouring face) must match the edge texel. A
// face turned or mirrored the wrong way matches only as badly as a texel from
// the far end of the edge, which is the comparison the test also makes.
TEST(SkyImages, FacesMeetWithoutSeams)
{
    const SkyCube cube = loadSky("");
    for (int face = 0; face < 6; ++face) {
        const RgbPicture& picture = cube.faces[face];
        const int n = picture.width;
        ASSERT_EQ(picture.height, n);
        for (int edge = 0; edge < 4; ++edge) {
            SCOPED_TRACE(std::string(kFaceNames[face]) + " edge " + std::to_string(edge));
            double matched = 0.0, mirrored = 0.0;
            for (int k = 0; k < n; ++k) {
                // Edge 0: s = 0, 1: s = 1, 2: t = 0, 3: t = 1; the texel inside and the point half a texel outside.
                auto place = [&](int along, float& s, float& t, int& x, int& y) {
                    const float a = (along + 0.5f) / n;
                    const float out = edge % 2 == 0 ? -0.5f / n : 1.0f + 0.5f / n;
                    const int in = edge % 2 == 0 ? 0 : n - 1;
                    s = edge < 2 ? out : a;
                    t = edge < 2 ? a : out;
                    x = edge < 2 ? in : along;
                    y = edge < 2 ? along : in;
                };
                float s, t;
                int x, y;
                place(k, s, t, x, y);
                const std::uint8_t* inside = picture.at(x, y);
                matched += channelDifference(inside, texelSeenAlong(cube, pointOn(cube.frames[face], s, t)));
                place(n - 1 - k, s, t, x, y);
                mirrored += channelDifference(inside, texelSeenAlong(cube, pointOn(cube.frames[face], s, t)));
            }
            matched /= n;
            mirrored /= n;
            EXPECT_LT(matched, 4.0);
            EXPECT_LT(matched * 2.0, mirrored);
        }
    }
}

// A real backdrop: neither black nor washed out, with a few hundred bright
// stars per face, and some colour in the clouds.
TEST(SkyImages, FacesLookLikeAStarField)
{
    const SkyCube cube = loadSky("");
    for (int face = 0; face < 6; ++face) {
        SCOPED_TRACE(kFaceNames[face]);
        const RgbPicture& p = cube.faces[face];
        const double mean = meanLuminance(p, 0, 0, p.width, p.height);
        EXPECT_GT(mean, 10.0);
        EXPECT_LT(mean, 60.0);
        int brightStars = 0, tinted = 0;
        for (int y = 1; y + 1 < p.height; ++y)
            for (int x = 1; x + 1 < p.width; ++x) {
                const double l = luminance(p.at(x, y));
                // A star is a local maximum well above the sky around it.
                if (l > 150.0 && l >= luminance(p.at(x - 1, y)) && l > luminance(p.at(x + 1, y)) &&
                    l >= luminance(p.at(x, y - 1)) && l > luminance(p.at(x, y + 1)))
                    ++brightStars;
                const std::uint8_t* c = p.at(x, y);
                if (std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}) > 20) ++tinted;
            }
        EXPECT_GT(brightStars, 100);
        EXPECT_LT(brightStars, 3000);
        EXPECT_GT(tinted, p.width * p.height / 20);
    }
}

// A touched wall glows cyan: clearly brighter than its plain face, with green
// and blue lifted well above red.
TEST(SkyImages, TouchedWallsGlowCyan)
{
    const SkyCube plain = loadSky("");
    const SkyCube touched = loadSky("2");
    for (int face = 0; face < 6; ++face) {
        SCOPED_TRACE(kFaceNames[face]);
        const RgbPicture& a = plain.faces[face];
        const RgbPicture& b = touched.faces[face];
        double lift[3] = {0, 0, 0};
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                for (int c = 0; c < 3; ++c) lift[c] += b.at(x, y)[c] - a.at(x, y)[c];
        for (double& l : lift) l /= static_cast<double>(a.width) * a.height;
        EXPECT_GT(lift[1], 30.0);
        EXPECT_GT(lift[2], 40.0);
        EXPECT_GT(lift[2], 2.0 * lift[0]);
    }
}
