#include "capital_images.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "bmp_writer.h"
#include "noise.h"
#include "random.h"
#include "rgb_image.h"
#include "text_renderer.h"

namespace {

constexpr std::uint32_t kCapitalSeed = 0xCA917A1u;

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Tiling fractal noise over the whole picture, `cells` lattice cells across.
float tileNoise(int x, int y, int w, int h, int cells, int octaves, std::uint32_t seed)
{
    const float u = static_cast<float>(x) / w * cells, v = static_cast<float>(y) / h * cells;
    return periodicFractalNoise2(u, v, cells, octaves, 0.5f, seed);
}

// Plated hull: panels of `panelW` x `panelH` pixels in staggered rows, each a
// little lighter or darker, with dark seams, a lit bevel and, on some panels,
// a vent grille or an outlined access hatch.
float hullPlating(int x, int y, int w, int h, int panelW, int panelH, std::uint32_t seed)
{
    const int row = y / panelH;
    const int shifted = x + (row % 2) * panelW / 2;
    const int col = (shifted / panelW) % (w / panelW);
    const float fx = static_cast<float>(shifted % panelW) + 0.5f;
    const float fy = static_cast<float>(y % panelH) + 0.5f;
    const float edge = std::min(std::min(fx, panelW - fx), std::min(fy, panelH - fy));
    const float shade = 0.9f + 0.2f * hashUnit(col, row, 0, seed);
    const float seam = smoothstep(0.5f, 2.0f, edge);
    const float bevel = (fy < 3.0f || fx < 3.0f) ? 0.06f : 0.0f;  // lit upper-left edges
    const float wear = 0.08f * tileNoise(x, y, w, h, 8, 4, seed + 1);

    float detail = 0.0f;
    const float kind = hashUnit(col, row, 1, seed);
    const float u = fx / panelW, v = fy / panelH;
    if (kind < 0.22f && u > 0.2f && u < 0.8f && v > 0.3f && v < 0.7f) {
        detail = (static_cast<int>(fy) % 3 == 0) ? -0.45f : -0.15f;  // vent slats
    } else if (kind >= 0.22f && kind < 0.4f) {
        const float inner = std::min(std::min(fx - 6.0f, panelW - 6.0f - fx), std::min(fy - 6.0f, panelH - 6.0f - fy));
        if (inner >= 0.0f && inner < 1.0f) detail = -0.3f;      // hatch outline
        else if (inner >= 1.0f && inner < 2.0f) detail = 0.08f;  // its lit lip
    }
    return (shade + bevel + wear + detail) * (0.35f + 0.65f * seam);
}

// Ordered dithering onto a ramp palette: keeps smooth gradients smooth with few colours.
std::vector<std::uint8_t> ditherToRamp(const GrayMask& level, int rampSize)
{
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(level.width()) * level.height());
    for (int y = 0; y < level.height(); ++y)
        for (int x = 0; x < level.width(); ++x) {
            const float threshold = (kBayer[y % 4][x % 4] + 0.5f) / 16.0f;
            const float scaled = std::clamp(level.at(x, y), 0.0f, 1.0f) * (rampSize - 1);
            const int index = static_cast<int>(scaled) + ((scaled - std::floor(scaled)) > threshold ? 1 : 0);
            indices.push_back(static_cast<std::uint8_t>(std::min(index, rampSize - 1)));
        }
    return indices;
}

std::vector<Colour> rampPalette(Colour dark, Colour light, int size)
{
    std::vector<Colour> palette;
    for (int i = 0; i < size; ++i) palette.push_back(mix(dark, light, static_cast<float>(i) / (size - 1)));
    return palette;
}

// p_0: grey hull plating, 8-bit with a full 256-grey palette.
bool writeHullPlating(const std::string& path)
{
    constexpr int kSize = 256;
    GrayMask level(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) level.at(x, y) = 0.5f * hullPlating(x, y, kSize, kSize, 64, 32, kCapitalSeed);
    return writeBmp8(path, kSize, kSize, ditherToRamp(level, 256),
                     rampPalette(Colour{0.02f, 0.02f, 0.03f}, Colour{0.98f, 0.98f, 1.0f}, 256));
}

// p_1: hull side with rows of lit windows, 24-bit, 300 x 200.
bool writeWindowedHull(const std::string& path)
{
    constexpr int kW = 300, kH = 200, kDeck = 50;
    RgbImage image(kW, kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const float base = 0.46f * hullPlating(x, y, kW, kH, 50, kDeck, kCapitalSeed + 10);
            Colour c{base, base * 1.01f, base * 1.05f};
            // Two window rows per deck, windows 6 x 4 pixels every 10.
            const int deckY = y % kDeck;
            const int windowRow = deckY >= 15 && deckY < 19 ? 0 : deckY >= 32 && deckY < 36 ? 1 : -1;
            const int slot = x / 10;
            if (windowRow >= 0 && (x % 10) >= 2 && (x % 10) < 8) {
                const int rowKey = (y / kDeck) * 2 + windowRow;
                const float on = hashUnit(slot, rowKey, 3, kCapitalSeed);
                if (on < 0.72f) {
                    const Colour warm = on < 0.55f ? Colour{1.0f, 0.86f, 0.55f} : Colour{0.75f, 0.88f, 1.0f};
                    c = warm * (0.75f + 0.25f * hashUnit(slot, rowKey, 4, kCapitalSeed));
                } else {
                    c = Colour{0.06f, 0.07f, 0.09f};
                }
            }
            image.at(x, y) = c;
        }
    }
    return writeBmp24(path, image);
}

// p_2: engine nozzle glow, blue-white, 32-bit 128 x 128.
bool writeEngineGlow(const std::string& path)
{
    constexpr int kSize = 128;
    RgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = (x + 0.5f) / kSize - 0.5f, dy = (y + 0.5f) / kSize - 0.5f;
            const float r = std::sqrt(dx * dx + dy * dy) * 2.0f;  // 1 at the middle of an edge
            const float flicker = 0.1f * tileNoise(x, y, kSize, kSize, 8, 4, kCapitalSeed + 20);
            const float core = std::exp(-r * r * 3.0f) + flicker;
            // Metal rings of the nozzle bell around the glow.
            const float rings = 0.5f + 0.5f * std::cos(r * 40.0f);
            const float metal = smoothstep(0.75f, 0.85f, r) * (0.25f + 0.08f * rings);
            const Colour hot = mix(Colour{0.25f, 0.45f, 0.95f}, Colour{0.92f, 0.96f, 1.0f}, smoothstep(0.3f, 0.9f, core));
            image.at(x, y) = hot * (core * (1.0f - smoothstep(0.7f, 0.85f, r))) + Colour{metal, metal, metal * 1.1f};
        }
    }
    return writeBmp32(path, image);
}

// p_3: bridge superstructure with bands of windows, 24-bit 256 x 256.
bool writeBridge(const std::string& path)
{
    constexpr int kSize = 256;
    RgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float base = 0.55f * hullPlating(x, y, kSize, kSize, 32, 64, kCapitalSeed + 30);
            Colour c{base * 1.02f, base, base * 0.96f};
            // A continuous window band on every 64-pixel deck, divided by mullions.
            const int deckY = y % 64;
            if (deckY >= 36 && deckY < 46) {
                const bool mullion = (x % 16) < 2;
                const float glow = 0.8f + 0.2f * std::sin(static_cast<float>(x) / kSize * 6.2831853f * 2.0f);
                c = mullion ? Colour{0.15f, 0.15f, 0.17f} : Colour{0.55f, 0.78f, 0.95f} * glow;
                if (deckY == 36 || deckY == 45) c = c * 0.6f;
            }
            // Small red marker lights on the deck edges.
            if (deckY >= 58 && deckY < 61 && (x % 64) >= 30 && (x % 64) < 33) c = Colour{1.0f, 0.25f, 0.2f};
            image.at(x, y) = c;
        }
    }
    return writeBmp24(path, image);
}

// p_4: dark hull with hazard stripes and a hull number, 32-bit 200 x 100.
bool writeMarkedHull(const std::string& path)
{
    constexpr int kW = 200, kH = 100;
    GrayMask lettering(kW, kH);
    TextRenderer font(VELTRANE_FONT_BOLD, 30);
    font.setTracking(2);
    font.drawCentred(lettering, "VX-07", kW / 2, 78);
    RgbImage image(kW, kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const float base = 0.26f * hullPlating(x, y, kW, kH, 40, 50, kCapitalSeed + 40);
            Colour c{base, base, base * 1.08f};
            // Hazard band along the top: yellow and black diagonals, 20 px period so it tiles across 200.
            if (y >= 6 && y < 24) {
                const bool yellow = ((x + y) % 20) < 10;
                c = yellow ? Colour{0.85f, 0.66f, 0.12f} : Colour{0.07f, 0.07f, 0.07f};
            }
            if (y >= 28 && y < 31) c = Colour{0.70f, 0.14f, 0.12f};  // thin red pin stripe
            const float paintWear = 0.75f + 0.25f * smoothstep(-0.3f, 0.3f, tileNoise(x, y, kW, kH, 10, 4, kCapitalSeed + 41));
            c = mix(c, Colour{0.82f, 0.82f, 0.78f} * paintWear, lettering.at(x, y) * 0.9f);
            image.at(x, y) = c;
        }
    }
    return writeBmp32(path, image);
}

// p_5: gun metal, 8-bit with a 64-entry palette; 126 wide so rows carry padding.
bool writeGunMetal(const std::string& path)
{
    constexpr int kSize = 126;
    GrayMask level(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float brushed = 0.08f * tileNoise(x, y, kSize, kSize, 2, 1, kCapitalSeed + 50) +
                                  0.06f * periodicNoise2(static_cast<float>(x) / kSize * 3.0f,
                                                         static_cast<float>(y) / kSize * 63.0f, 3, kCapitalSeed + 51);
            // Machined bands: a slightly darker groove every 21 rows, clear of the wrap.
            const float groove = (y % 21) == 10 || (y % 21) == 11 ? -0.18f : 0.0f;
            level.at(x, y) = 0.5f + brushed + groove + 0.06f * tileNoise(x, y, kSize, kSize, 6, 3, kCapitalSeed + 52);
        }
    }
    return writeBmp8(path, kSize, kSize, ditherToRamp(level, 64),
                     rampPalette(Colour{0.05f, 0.06f, 0.08f}, Colour{0.72f, 0.76f, 0.82f}, 64));
}

}  // namespace

bool writeCapitalImages(const std::string& outDir)
{
    const std::string prefix = outDir + "/capital.p_";
    bool ok = writeHullPlating(prefix + "0.bmp");
    ok = writeWindowedHull(prefix + "1.bmp") && ok;
    ok = writeEngineGlow(prefix + "2.bmp") && ok;
    ok = writeBridge(prefix + "3.bmp") && ok;
    ok = writeMarkedHull(prefix + "4.bmp") && ok;
    ok = writeGunMetal(prefix + "5.bmp") && ok;
    return ok;
}
