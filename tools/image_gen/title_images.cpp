#include "title_images.h"

#include <algorithm>
#include <cmath>

#include "rgb_image.h"
#include "text_renderer.h"

namespace {

constexpr const char* kGameName = "VELTRANE";

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Largest pixel height (up to `maxHeight`) at which `text` fits in `maxWidth`.
int fittingSize(const std::string& text, const char* font, int tracking, int maxWidth, int maxHeight)
{
    for (int size = maxHeight; size > 8; size -= 2) {
        TextRenderer renderer(font, size);
        renderer.setTracking(tracking);
        if (renderer.measure(text) <= maxWidth) return size;
    }
    return 8;
}

}  // namespace

// Chrome shading across the letter height: bright sky above a dark horizon line,
// then a cool reflection below it.
Colour titleChrome(float v)
{
    const Colour sky{0.95f, 0.97f, 1.0f}, upper{0.55f, 0.62f, 0.75f};
    const Colour horizon{0.12f, 0.16f, 0.28f}, lower{0.30f, 0.70f, 0.95f}, base{0.85f, 0.95f, 1.0f};
    if (v < 0.5f) return mix(sky, upper, smoothstep(0.0f, 0.5f, v));
    if (v < 0.56f) return mix(upper, horizon, smoothstep(0.5f, 0.56f, v));
    return mix(lower, base, smoothstep(0.56f, 1.0f, v)) * (v < 0.62f ? smoothstep(0.56f, 0.62f, v) * 0.6f + 0.4f : 1.0f);
}

bool writeTitleImage(const std::string& outDir)
{
    constexpr int kSize = 512;
    constexpr int kTracking = 6;
    constexpr int kBaseline = 150;  // letters sit in the upper third of the screen
    const int fontSize = fittingSize(kGameName, VELTRANE_FONT_BOLD, kTracking, 440, 110);
    TextRenderer font(VELTRANE_FONT_BOLD, fontSize);
    font.setTracking(kTracking);
    const int capTop = kBaseline - font.capHeight();

    GrayMask letters(kSize, kSize);
    font.drawCentred(letters, kGameName, kSize / 2, kBaseline);
    const GrayMask innerGlow = letters.blurred(3);
    const GrayMask outerGlow = letters.blurred(12);

    RgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float v = static_cast<float>(y - capTop) / (kBaseline - capTop);
            const float cover = letters.at(x, y);
            // Rim light: where the glyph's coverage falls off, the edge catches light.
            const float rim = std::clamp(innerGlow.at(x, y) * 2.0f - cover, 0.0f, 1.0f) * (1.0f - cover);
            Colour c = titleChrome(std::clamp(v, 0.0f, 1.0f)) * cover;
            c = c + Colour{0.25f, 0.65f, 1.0f} * (0.55f * rim);
            c = c + Colour{0.10f, 0.30f, 0.85f} * (0.9f * outerGlow.at(x, y) * (1.0f - cover));
            image.at(x, y) = c;
        }
    }
    // A thin light streak under the name, brightest in the middle.
    const int streakY = kBaseline + 18;
    for (int y = streakY - 6; y <= streakY + 6; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = (x - kSize / 2.0f) / (kSize * 0.42f);
            const float dy = static_cast<float>(y - streakY);
            const float strength = std::exp(-dx * dx * 2.5f) * std::exp(-dy * dy / 2.0f) * (1.0f - std::min(1.0f, std::fabs(dx)));
            image.at(x, y) = image.at(x, y) + Colour{0.35f, 0.75f, 1.0f} * strength;
        }
    }
    return writePpm(outDir + "/title.ppm", image);
}

bool writeCreditImage(const std::string& outDir)
{
    constexpr int kWidth = 256, kHeight = 1024;
    struct Line {
        const char* text;
        int style;     // 0 = heading, 1 = body, 2 = the game's name
        int baseline;
    };
    // One fifth of the image (about 205 rows) is visible at a time; the name
    // opens the first window and the thanks close the last before it wraps.
    const Line lines[] = {
        {kGameName, 2, 110},
        {"SPACE COMBAT", 0, 150},
        {"GAME DESIGN", 0, 280},       {"The Veltrane Team", 1, 310},
        {"PROGRAMMING", 0, 400},       {"The Veltrane Team", 1, 430},
        {"GRAPHICS", 0, 520},          {"The Veltrane Team", 1, 550},
        {"MUSIC AND SOUND", 0, 640},   {"The Veltrane Team", 1, 670},
        {"THANK YOU", 2, 840},
        {"FOR PLAYING!", 0, 880},
    };
    TextRenderer heading(VELTRANE_FONT_BOLD, 18);
    heading.setTracking(2);
    TextRenderer body(VELTRANE_FONT_REGULAR, 22);
    // The large lines share one size: the largest at which both fit.
    const int nameSize = std::min(fittingSize(kGameName, VELTRANE_FONT_BOLD, 3, 236, 44),
                                  fittingSize("THANK YOU", VELTRANE_FONT_BOLD, 3, 236, 44));
    TextRenderer name(VELTRANE_FONT_BOLD, nameSize);
    name.setTracking(3);
    const TextRenderer* renderers[3] = {&heading, &body, &name};

    GrayMask masks[3] = {GrayMask(kWidth, kHeight), GrayMask(kWidth, kHeight), GrayMask(kWidth, kHeight)};
    for (const Line& line : lines) renderers[line.style]->drawCentred(masks[line.style], line.text, kWidth / 2, line.baseline);
    const GrayMask nameGlow = masks[2].blurred(5);

    const Colour headingColour{1.0f, 0.78f, 0.30f}, bodyColour{0.92f, 0.94f, 1.0f}, nameColour{0.70f, 0.88f, 1.0f};
    RgbImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.at(x, y) = headingColour * masks[0].at(x, y) + bodyColour * masks[1].at(x, y) +
                             nameColour * masks[2].at(x, y) +
                             Colour{0.1f, 0.3f, 0.8f} * (0.8f * nameGlow.at(x, y) * (1.0f - masks[2].at(x, y)));
    return writePpm(outDir + "/credit.ppm", image);
}
