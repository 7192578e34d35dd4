#include "icon_images.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "png_writer.h"
#include "rgb_image.h"
#include "text_renderer.h"
#include "title_images.h"

namespace {

// Every icon is an area-averaged reduction of one large drawing.
constexpr int kMasterSize = 1024;
// The plate leaves a margin, as desktop icons do, and rounds its corners.
constexpr float kPlateMargin = 0.06f * kMasterSize;
constexpr float kCornerRadius = 0.20f * kMasterSize;
// The part of the front sky face that shows on the plate: nebula and stars.
constexpr float kSkyLeft = 150.0f, kSkyTop = 220.0f, kSkySpan = 300.0f;
constexpr float kSkyGain = 1.6f;
// The "V" is this tall, as a fraction of the icon.
constexpr float kCapHeight = 0.56f;

// Colour premultiplied by alpha, so that reductions average correctly.
struct Texel {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
};
using Picture = std::vector<Texel>;

// Distance of pixel (x, y) inside the plate's edge, in pixels (negative outside).
float depthInsidePlate(int x, int y)
{
    const float half = kMasterSize / 2.0f - kPlateMargin;
    const float px = std::fabs(x + 0.5f - kMasterSize / 2.0f) - (half - kCornerRadius);
    const float py = std::fabs(y + 0.5f - kMasterSize / 2.0f) - (half - kCornerRadius);
    const float outside = std::hypot(std::max(px, 0.0f), std::max(py, 0.0f)) + std::min(std::max(px, py), 0.0f);
    return kCornerRadius - outside;
}

// How much of pixel (x, y) the rounded plate covers, antialiased over one pixel.
float plateCoverage(int x, int y)
{
    return std::clamp(depthInsidePlate(x, y) + 0.5f, 0.0f, 1.0f);
}

Colour bilinear(const RgbImage& image, float x, float y)
{
    const int x0 = std::clamp(static_cast<int>(std::floor(x)), 0, image.width() - 2);
    const int y0 = std::clamp(static_cast<int>(std::floor(y)), 0, image.height() - 2);
    const float fx = std::clamp(x - x0, 0.0f, 1.0f), fy = std::clamp(y - y0, 0.0f, 1.0f);
    const Colour top = mix(image.at(x0, y0), image.at(x0 + 1, y0), fx);
    const Colour bottom = mix(image.at(x0, y0 + 1), image.at(x0 + 1, y0 + 1), fx);
    return mix(top, bottom, fy);
}

Picture drawMaster(const RgbImage& sky)
{
    // Size the font so that its capital is the wanted height.
    const int targetCap = static_cast<int>(kCapHeight * kMasterSize);
    int fontSize = targetCap;
    for (int pass = 0; pass < 2; ++pass) {
        const TextRenderer probe(VELTRANE_FONT_BOLD, fontSize);
        fontSize = std::max(8, fontSize * targetCap / std::max(1, probe.capHeight()));
    }
    const TextRenderer font(VELTRANE_FONT_BOLD, fontSize);
    const int capTop = (kMasterSize - font.capHeight()) / 2;
    const int baseline = capTop + font.capHeight();
    GrayMask letter(kMasterSize, kMasterSize);
    font.drawCentred(letter, "V", kMasterSize / 2, baseline);
    // The title's rim light and blue glow, scaled up with the letter.
    const GrayMask innerGlow = letter.blurred(kMasterSize / 48);
    const GrayMask outerGlow = letter.blurred(kMasterSize / 14);

    Picture picture(static_cast<std::size_t>(kMasterSize) * kMasterSize);
    for (int y = 0; y < kMasterSize; ++y) {
        for (int x = 0; x < kMasterSize; ++x) {
            const float alpha = plateCoverage(x, y);
            if (alpha <= 0.0f) continue;
            const float scale = kSkySpan / kMasterSize;
            Colour c = bilinear(sky, kSkyLeft + x * scale, kSkyTop + y * scale) * kSkyGain;
            // A thin blue edge lifts the plate off a dark panel.
            const float edge = 1.0f - std::clamp(depthInsidePlate(x, y) / (0.025f * kMasterSize), 0.0f, 1.0f);
            c = c + Colour{0.25f, 0.55f, 1.0f} * (0.55f * edge);

            const float cover = letter.at(x, y);
            const float v = std::clamp(static_cast<float>(y - capTop) / (baseline - capTop), 0.0f, 1.0f);
            const float rim = std::clamp(innerGlow.at(x, y) * 2.0f - cover, 0.0f, 1.0f) * (1.0f - cover);
            c = c * (1.0f - cover) + titleChrome(v) * cover;
            c = c + Colour{0.25f, 0.65f, 1.0f} * (0.55f * rim);
            c = c + Colour{0.10f, 0.30f, 0.85f} * (0.9f * outerGlow.at(x, y) * (1.0f - cover));
            picture[static_cast<std::size_t>(y) * kMasterSize + x] = {c.r * alpha, c.g * alpha, c.b * alpha, alpha};
        }
    }
    return picture;
}

// Area-weighted reduction of a square picture along one axis: each output
// texel averages the source texels its footprint covers, partly covered ones
// by the part covered, so sizes that do not divide the master stay sharp and even.
Picture reduceAxis(const Picture& in, int inSize, int outSize, int otherSize, bool alongRows)
{
    Picture out(static_cast<std::size_t>(outSize) * otherSize);
    const double ratio = static_cast<double>(inSize) / outSize;
    for (int line = 0; line < otherSize; ++line) {
        for (int i = 0; i < outSize; ++i) {
            const double start = i * ratio, end = (i + 1) * ratio;
            Texel sum;
            for (int j = static_cast<int>(start); j < std::min(inSize, static_cast<int>(std::ceil(end))); ++j) {
                const float weight = static_cast<float>((std::min(end, j + 1.0) - std::max(start, static_cast<double>(j))) / ratio);
                const Texel& t = alongRows ? in[static_cast<std::size_t>(line) * inSize + j] : in[static_cast<std::size_t>(j) * otherSize + line];
                sum.r += t.r * weight;
                sum.g += t.g * weight;
                sum.b += t.b * weight;
                sum.a += t.a * weight;
            }
            Texel& target = alongRows ? out[static_cast<std::size_t>(line) * outSize + i] : out[static_cast<std::size_t>(i) * otherSize + line];
            target = sum;
        }
    }
    return out;
}

std::uint8_t toByte(float v)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<std::uint8_t> toRgbaBytes(const Picture& picture)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(picture.size() * 4);
    for (const Texel& t : picture) {
        const float unpremultiply = t.a > 0.0f ? 1.0f / t.a : 0.0f;
        bytes.push_back(toByte(t.r * unpremultiply));
        bytes.push_back(toByte(t.g * unpremultiply));
        bytes.push_back(toByte(t.b * unpremultiply));
        bytes.push_back(toByte(t.a));
    }
    return bytes;
}

}  // namespace

bool writeIconImages(const std::string& dataDir, const std::string& iconRoot)
{
    const RgbImage sky = readPpm(dataDir + "/sky_front.ppm");
    if (sky.width() < 2 || sky.height() < 2) return false;
    const Picture master = drawMaster(sky);
    for (const int size : kIconSizes) {
        const Picture rows = reduceAxis(master, kMasterSize, size, kMasterSize, true);
        const Picture icon = reduceAxis(rows, kMasterSize, size, size, false);
        const std::string folder = iconRoot + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error || !writePngRgba(folder + "/veltrane.png", size, size, toRgbaBytes(icon))) return false;
    }
    return true;
}
