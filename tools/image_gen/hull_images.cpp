#include "hull_images.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"
#include "random.h"
#include "rgb_image.h"

namespace {

constexpr int kPlateSize = 256;
constexpr std::uint32_t kHullSeed = 0x4A11u;

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

struct Panel {
    int x0, y0, x1, y1;  // half-open pixel rectangle
};

// Panel layout of one tile. Edges on the tile border meet their twin on the
// opposite border, so the plating tiles.
const std::vector<Panel>& panelLayout()
{
    static const std::vector<Panel> panels = {
        {0, 0, 96, 64},      {96, 0, 160, 64},    {160, 0, 256, 64},
        {0, 64, 128, 128},   {128, 64, 192, 128}, {192, 64, 256, 160},
        {0, 128, 64, 192},   {64, 128, 192, 192}, {192, 160, 256, 256},
        {0, 192, 96, 256},   {96, 192, 192, 256},
    };
    return panels;
}

struct PlateTexel {
    float height;     // 0 in a groove, 1 on a panel, above 1 on a rivet
    float panelShade; // per-panel paint variation
    float rivet;      // 0..1 rivet dome coverage
};

PlateTexel plateTexel(int x, int y)
{
    for (std::size_t i = 0; i < panelLayout().size(); ++i) {
        const Panel& p = panelLayout()[i];
        if (x < p.x0 || x >= p.x1 || y < p.y0 || y >= p.y1) continue;
        const float fx = x + 0.5f, fy = y + 0.5f;
        const float edge = std::min(std::min(fx - p.x0, p.x1 - fx), std::min(fy - p.y0, p.y1 - fy));
        // A groove 2 px deep-dark with a 1.5 px bevel up to the panel face.
        float height = smoothstep(1.0f, 3.0f, edge);

        // Rivets every 16 px, 5 px in from each panel edge.
        constexpr float kInset = 5.0f, kSpacing = 16.0f, kRadius = 2.2f;
        float rivet = 0.0f;
        auto nearestOnLine = [&](float v, float low, float high) {
            const float snapped = low + kInset + std::round((v - low - kInset) / kSpacing) * kSpacing;
            return std::clamp(snapped, low + kInset, high - kInset);
        };
        const float rowYs[2] = {p.y0 + kInset, p.y1 - kInset};
        const float colXs[2] = {p.x0 + kInset, p.x1 - kInset};
        for (float ry : rowYs) {
            const float rx = nearestOnLine(fx, static_cast<float>(p.x0), static_cast<float>(p.x1));
            const float d = std::hypot(fx - rx, fy - ry);
            rivet = std::max(rivet, 1.0f - smoothstep(kRadius - 1.0f, kRadius + 0.5f, d));
        }
        for (float rx : colXs) {
            const float ry = nearestOnLine(fy, static_cast<float>(p.y0), static_cast<float>(p.y1));
            const float d = std::hypot(fx - rx, fy - ry);
            rivet = std::max(rivet, 1.0f - smoothstep(kRadius - 1.0f, kRadius + 0.5f, d));
        }
        height += 0.6f * rivet;
        const float shade = 0.86f + 0.24f * hashUnit(static_cast<int>(i), 7, 0, kHullSeed);
        return {height, shade, rivet};
    }
    return {0.0f, 1.0f, 0.0f};
}

GrayMask plateHeights(std::vector<PlateTexel>& texels)
{
    GrayMask heights(kPlateSize, kPlateSize);
    texels.resize(static_cast<std::size_t>(kPlateSize) * kPlateSize);
    for (int y = 0; y < kPlateSize; ++y)
        for (int x = 0; x < kPlateSize; ++x) {
            texels[static_cast<std::size_t>(y) * kPlateSize + x] = plateTexel(x, y);
            heights.at(x, y) = texels[static_cast<std::size_t>(y) * kPlateSize + x].height;
        }
    return heights;
}

// Grime: blotches of a tiling noise plus streaks that run down the plating.
float grime(int x, int y)
{
    const float u = static_cast<float>(x) / kPlateSize, v = static_cast<float>(y) / kPlateSize;
    const float blotch = periodicFractalNoise2(u * 4.0f, v * 4.0f, 4, 5, 0.55f, kHullSeed + 1);
    const float streak = periodicFractalNoise2(u * 32.0f, v * 2.0f, 32, 3, 0.5f, kHullSeed + 2);
    return std::clamp(0.5f * smoothstep(0.0f, 0.6f, blotch) + 0.35f * smoothstep(0.1f, 0.7f, streak), 0.0f, 1.0f);
}

}  // namespace

bool writeHullImages(const std::string& outDir)
{
    std::vector<PlateTexel> texels;
    const GrayMask heights = plateHeights(texels);
    RgbImage surface(kPlateSize, kPlateSize);
    RgbImage relief(kPlateSize, kPlateSize);
    const Colour paint{0.36f, 0.38f, 0.42f};
    const Colour dirt{0.16f, 0.13f, 0.10f};
    for (int y = 0; y < kPlateSize; ++y) {
        for (int x = 0; x < kPlateSize; ++x) {
            const PlateTexel& t = texels[static_cast<std::size_t>(y) * kPlateSize + x];
            // Light from the upper left: slope of the relief across the texel (wrapping, as the tile does).
            const int xl = (x + kPlateSize - 1) % kPlateSize, xr = (x + 1) % kPlateSize;
            const int yu = (y + kPlateSize - 1) % kPlateSize, yd = (y + 1) % kPlateSize;
            const float slope = (heights.at(xl, y) - heights.at(xr, y)) + (heights.at(x, yu) - heights.at(x, yd));
            const float light = std::clamp(1.0f + 0.9f * slope, 0.4f, 1.7f);

            const float u = static_cast<float>(x) / kPlateSize, v = static_cast<float>(y) / kPlateSize;
            const float brushed = 0.04f * periodicNoise2(u * 64.0f, v * 4.0f, 64, kHullSeed + 3);
            const float dirtAmount = 0.75f * grime(x, y);
            const float groove = std::min(t.height, 1.0f);
            Colour c = mix(paint * (t.panelShade + brushed), dirt, dirtAmount * 0.8f) * light;
            c = c * (0.35f + 0.65f * groove);
            c = c + Colour{0.25f, 0.25f, 0.26f} * (t.rivet * 0.6f);
            surface.at(x, y) = c;

            const float grey = std::clamp(0.18f + 0.62f * groove + 0.35f * t.rivet - 0.12f * dirtAmount +
                                              0.05f * (light - 1.0f),
                                          0.0f, 1.0f);
            relief.at(x, y) = Colour{grey, grey, grey};
        }
    }
    return writePpm(outDir + "/square.ppm", surface) && writePpm(outDir + "/cubebump.ppm", relief);
}

bool writeTitleFloorImage(const std::string& outDir)
{
    constexpr int kTile = 64;
    RgbImage floor(kPlateSize, kPlateSize);
    for (int y = 0; y < kPlateSize; ++y) {
        for (int x = 0; x < kPlateSize; ++x) {
            const int tx = x / kTile, ty = y / kTile;
            const float fx = (x % kTile) + 0.5f, fy = (y % kTile) + 0.5f;
            const float edge = std::min(std::min(fx, kTile - fx), std::min(fy, kTile - fy));
            const bool checker = ((tx + ty) & 1) != 0;
            Colour tile = checker ? Colour{0.10f, 0.12f, 0.16f} : Colour{0.15f, 0.17f, 0.22f};
            // A glossy sheen running diagonally across the whole floor.
            const float u = static_cast<float>(x) / kPlateSize, v = static_cast<float>(y) / kPlateSize;
            const float sheen = std::exp(-std::pow((u - v) * 3.0f, 2.0f));
            tile = tile * (0.85f + 0.45f * sheen);
            tile = tile + Colour{0.02f, 0.02f, 0.03f} *
                              periodicFractalNoise2(u * 8.0f, v * 8.0f, 8, 3, 0.5f, kHullSeed + 9);
            // Bevelled seams with a thin cyan light strip inside them.
            const float bevel = smoothstep(0.5f, 4.0f, edge);
            const float strip = std::exp(-std::pow((edge - 1.0f) / 0.8f, 2.0f));
            Colour c = tile * (0.3f + 0.7f * bevel) + Colour{0.10f, 0.45f, 0.55f} * (0.8f * strip);
            // Highlight along the top-left bevel edge of every tile.
            if (edge > 1.5f && edge < 4.0f && (fx < 4.0f || fy < 4.0f) && fx < kTile - 4.0f && fy < kTile - 4.0f)
                c = c + Colour{0.08f, 0.09f, 0.11f};
            floor.at(x, y) = c;
        }
    }
    return writePpm(outDir + "/title_square.ppm", floor);
}

bool writeParticleImage(const std::string& outDir)
{
    constexpr int kSize = 64;
    RgbImage glow(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = (x + 0.5f - kSize / 2.0f) / (kSize / 2.0f);
            const float dy = (y + 0.5f - kSize / 2.0f) / (kSize / 2.0f);
            const float r2 = dx * dx + dy * dy;
            // A broad falloff that reaches zero at the rim, plus a hot core.
            const float falloff = r2 < 1.0f ? (1.0f - r2) * (1.0f - r2) * (1.0f - r2) : 0.0f;
            const float v = falloff * (0.55f + 0.45f * std::exp(-r2 * 14.0f));
            glow.at(x, y) = Colour{v, v, v};
        }
    }
    return writePpm(outDir + "/particle.ppm", glow);
}
