// The sky cube: the six faces must form one continuous sky, and the
// touched-wall alternates must light up.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "data_files.h"
#include "gfx/ppm_image.h"

namespace {

using Vec = std::array<float, 3>;

// Where the game draws each face: the point of its texture corner (0, 0), in
// half edges, and its s and t axes (2 long).
struct Face { const char* name; Vec origin, axisS, axisT; };
constexpr Face kFaces[6] = {{"up", {1, 1, 1}, {-2, 0, 0}, {0, 0, -2}},    {"down", {-1, -1, 1}, {2, 0, 0}, {0, 0, -2}},
                            {"front", {1, -1, 1}, {-2, 0, 0}, {0, 2, 0}}, {"back", {-1, -1, -1}, {2, 0, 0}, {0, 2, 0}},
                            {"left", {1, -1, -1}, {0, 0, 2}, {0, 2, 0}},  {"right", {-1, -1, 1}, {0, 0, -2}, {0, 2, 0}}};

std::array<PpmImage, 6> loadSky(const char* suffix) {
    std::array<PpmImage, 6> sky;
    for (int f = 0; f < 6; ++f) sky[f] = PpmImage(dataPath(std::string("sky_") + kFaces[f].name + suffix + ".ppm").c_str());
    return sky;
}

// Pixel (x, y) of an image, rows in file order.
const std::uint8_t* texel(const PpmImage& image, int x, int y) { return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3]; }

// The texel seen through face f at texture (s, t), on whichever face that direction meets.
const std::uint8_t* texelSeen(const std::array<PpmImage, 6>& sky, int f, float s, float t) {
    Vec p;
    for (int i = 0; i < 3; ++i) p[i] = kFaces[f].origin[i] + s * kFaces[f].axisS[i] + t * kFaces[f].axisT[i];
    const float x = std::fabs(p[0]), y = std::fabs(p[1]), z = std::fabs(p[2]);
    const int axis = x >= std::max(y, z) ? 0 : y >= z ? 1 : 2;  // the first largest
    int g = 0;  // the face across that axis, on p's side
    while (kFaces[g].axisS[axis] != 0 || kFaces[g].axisT[axis] != 0 || kFaces[g].origin[axis] * p[axis] < 0) ++g;
    // The texel, 0 to 1 along one of g's axes, of p projected onto g.
    const auto along = [&](const Vec& gAxis, int size) {
        float d = 0;
        for (int i = 0; i < 3; ++i) d += (p[i] / std::fabs(p[axis]) - kFaces[g].origin[i]) * gAxis[i] / 4.0f;
        return std::clamp(static_cast<int>(d * size), 0, size - 1);
    };
    return texel(sky[g], along(kFaces[g].axisS, sky[g].width), along(kFaces[g].axisT, sky[g].height));
}

}  // namespace

// Along every edge of every face, the texel just across the edge (on the
// neighbouring face) must match the edge texel. A face turned or mirrored the
// wrong way matches only as badly as a texel from the far end of the edge,
// which is the comparison the test also makes. A touched wall glows cyan:
// clearly brighter than its plain face, green and blue lifted well above red.
TEST(SkyImages, FacesMeetWithoutSeamsAndTouchedFacesGlowCyan) {
    const std::array<PpmImage, 6> sky = loadSky(""), touched = loadSky("2");
    for (int f = 0; f < 6; ++f) {
        const int n = sky[f].width;  // square faces
        for (int edge = 0; edge < 4; ++edge) {  // s = 0, s = 1, t = 0, t = 1
            const float out = edge % 2 == 0 ? -0.5f / n : 1.0f + 0.5f / n;  // half a texel outside
            const int in = edge % 2 == 0 ? 0 : n - 1;
            const auto across = [&](int k) { return edge < 2 ? texelSeen(sky, f, out, (k + 0.5f) / n) : texelSeen(sky, f, (k + 0.5f) / n, out); };
            double matched = 0.0, mirrored = 0.0;
            for (int k = 0; k < n; ++k)
                for (int c = 0; c < 3; ++c) {
                    const int inside = (edge < 2 ? texel(sky[f], in, k) : texel(sky[f], k, in))[c];
                    matched += std::abs(inside - across(k)[c]) / (3.0 * n);
                    mirrored += std::abs(inside - across(n - 1 - k)[c]) / (3.0 * n);
                }
            EXPECT_TRUE(matched < 4.0 && matched * 2.0 < mirrored) << kFaces[f].name << " edge " << edge << ": " << matched << " vs mirrored " << mirrored;
        }
        double lift[3] = {0, 0, 0};  // the touched face's mean rise of red, green and blue
        for (std::size_t i = 0; i < sky[f].pixels.size(); ++i) lift[i % 3] += (touched[f].pixels.at(i) - sky[f].pixels[i]) * 3.0 / sky[f].pixels.size();
        EXPECT_TRUE(lift[1] > 30.0 && lift[2] > 40.0 && lift[2] > 2.0 * lift[0]) << kFaces[f].name << " lifts " << lift[0] << ", " << lift[1] << ", " << lift[2];
    }
}
