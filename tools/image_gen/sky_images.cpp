#include "sky_images.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "noise.h"
#include "rgb_image.h"
#include "sky_cube.h"
#include "star_field.h"

namespace {

constexpr int kFaceSize = 512;
constexpr std::uint32_t kSkySeed = 0x5EED5C1Fu;
const Vec3f kBandPole{0.35f, 0.80f, 0.48f};

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// The diffuse part of the sky: dark blue base, coloured nebula clouds cut by
// dust lanes, and the faint glow of the galactic band.
Colour diffuseSky(Vec3f dir)
{
    const Vec3f p = dir * 1.7f;
    // Domain warp gives the clouds wispy, folded edges instead of round blobs.
    const float warpX = fractalNoise3(p.x + 5.2f, p.y, p.z, 3, 0.5f, kSkySeed + 11);
    const float warpY = fractalNoise3(p.x, p.y + 1.3f, p.z, 3, 0.5f, kSkySeed + 12);
    const Vec3f q{p.x + 0.9f * warpX, p.y + 0.9f * warpY, p.z};
    const float cloud = fractalNoise3(q.x, q.y, q.z, 6, 0.55f, kSkySeed + 13);
    const float density = smoothstep(-0.20f, 0.45f, cloud);

    // Two slow colour fields choose the cloud's hue: magenta, blue, teal, red.
    const float hueA = smoothstep(-0.25f, 0.25f, fractalNoise3(p.x * 0.6f, p.y * 0.6f, p.z * 0.6f, 2, 0.5f, kSkySeed + 14));
    const float hueB = smoothstep(-0.25f, 0.25f, fractalNoise3(p.x * 0.7f + 9.0f, p.y * 0.7f, p.z * 0.7f, 2, 0.5f, kSkySeed + 15));
    const Colour magenta{0.55f, 0.16f, 0.62f}, blue{0.14f, 0.26f, 0.78f};
    const Colour teal{0.08f, 0.50f, 0.55f}, red{0.70f, 0.18f, 0.22f};
    const Colour cloudColour = mix(mix(magenta, blue, hueA), mix(teal, red, hueA), hueB);

    // Dark dust lanes: ridges of a second noise field.
    const float ridge = 1.0f - std::fabs(fractalNoise3(q.x * 1.8f, q.y * 1.8f, q.z * 1.8f, 4, 0.5f, kSkySeed + 16));
    const float dust = 1.0f - 0.65f * smoothstep(0.78f, 0.97f, ridge);

    // Bright filaments inside the densest clouds.
    const float detail = fractalNoise3(q.x * 3.0f, q.y * 3.0f, q.z * 3.0f, 4, 0.5f, kSkySeed + 17);
    const float glow = density * (0.55f + 0.45f * detail) * dust;

    const float bandDistance = dot(dir, normalized(kBandPole));
    const float band = std::exp(-(bandDistance * bandDistance) / 0.03f) *
                       (0.6f + 0.4f * fractalNoise3(p.x * 2.0f, p.y * 2.0f, p.z * 2.0f, 4, 0.5f, kSkySeed + 18));

    const Colour base{0.014f, 0.018f, 0.042f};
    return base + cloudColour * (1.1f * glow) + Colour{0.55f, 0.50f, 0.45f} * (0.10f * band * dust);
}

// Colour of texel (x, y) of a face: the diffuse sky once at the centre, the
// stars averaged over 2 x 2 samples so that small stars do not flicker in and out.
Colour skyTexel(const SkyFace& face, const StarField& stars, int x, int y)
{
    const float s = (x + 0.5f) / kFaceSize, t = (y + 0.5f) / kFaceSize;
    Colour colour = diffuseSky(normalized(skyFacePoint(face, s, t)));
    Colour starLight;
    for (int sub = 0; sub < 4; ++sub) {
        const float ss = (x + 0.25f + 0.5f * (sub & 1)) / kFaceSize;
        const float st = (y + 0.25f + 0.5f * (sub >> 1)) / kFaceSize;
        starLight = starLight + stars.shine(normalized(skyFacePoint(face, ss, st)));
    }
    return colour + starLight * 0.25f;
}

// Distance from `(u, v)` to the nearest edge of a hexagonal cell of unit width,
// 0 on an edge and 0.5 at a cell centre.
float hexEdgeDistance(float u, float v)
{
    const float rowStep = 1.7320508f;
    auto local = [&](float offsetU, float offsetV, float& du, float& dv) {
        const float cu = std::floor((u - offsetU) / 1.0f) + 0.5f;
        const float cv = std::floor((v - offsetV) / rowStep) + 0.5f;
        du = u - (cu * 1.0f + offsetU);
        dv = v - (cv * rowStep + offsetV);
    };
    float au, av, bu, bv;
    local(0.0f, 0.0f, au, av);
    local(0.5f, 0.8660254f, bu, bv);
    const bool first = au * au + av * av < bu * bu + bv * bv;
    const float du = std::fabs(first ? au : bu), dv = std::fabs(first ? av : bv);
    const float hexRadius = std::max(du * 0.5f + dv * 0.8660254f, du);
    return 0.5f - hexRadius;
}

// The force field of a wall the ship presses against: a glowing cyan hexagon
// grid with a brighter rim, over a brightened, cyan-tinted sky.
Colour forceField(Colour sky, float s, float t)
{
    constexpr float kCellsAcross = 14.0f;
    const float edge = hexEdgeDistance(s * kCellsAcross, t * kCellsAcross);
    const float line = std::exp(-(edge * edge) / 0.0018f);
    const float fill = 0.5f - edge;  // rises towards the cell border
    const float ripple = 0.75f + 0.25f * std::sin((s * 3.0f + t * 2.0f) * 6.2831853f);
    const float border = std::max(std::exp(-std::min(s, 1.0f - s) * 30.0f), std::exp(-std::min(t, 1.0f - t) * 30.0f));
    const Colour cyan{0.25f, 0.85f, 1.0f};
    return sky * 1.25f + cyan * (0.10f + 0.20f * fill + 0.75f * line * ripple + 0.35f * border);
}

}  // namespace

bool writeSkyImages(const std::string& outDir)
{
    const StarField stars(9000, 7000, kBandPole, kSkySeed);
    // Faces are independent, so they are drawn on two threads; every texel
    // depends only on its direction, so the output does not depend on the split.
    std::atomic<bool> ok{true};
    auto drawFaces = [&](std::size_t first) {
        for (std::size_t i = first; i < skyFaces().size(); i += 2) {
            const SkyFace& face = skyFaces()[i];
            RgbImage plain(kFaceSize, kFaceSize);
            RgbImage touched(kFaceSize, kFaceSize);
            for (int y = 0; y < kFaceSize; ++y) {
                for (int x = 0; x < kFaceSize; ++x) {
                    const Colour sky = skyTexel(face, stars, x, y);
                    plain.at(x, y) = sky;
                    touched.at(x, y) = forceField(sky, (x + 0.5f) / kFaceSize, (y + 0.5f) / kFaceSize);
                }
            }
            if (!writePpm(outDir + "/" + face.baseName + ".ppm", plain)) ok = false;
            if (!writePpm(outDir + "/" + face.baseName + "2.ppm", touched)) ok = false;
        }
    };
    std::thread helper(drawFaces, 1);
    drawFaces(0);
    helper.join();
    return ok;
}
