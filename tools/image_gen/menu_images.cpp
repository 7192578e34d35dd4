#include "menu_images.h"

#include <algorithm>
#include <cmath>

#include "rgb_image.h"
#include "text_renderer.h"

namespace {

constexpr int kWidth = 256, kHeight = 32;

struct MenuItem {
    const char* fileWord;
    const char* label;
    const char* onText;
    const char* offText;
};

const MenuItem kItems[] = {
    {"fullScreen", "Full Screen", "ON", "OFF"},
    {"nebula", "Nebula", "ON", "OFF"},
    {"invert", "Invert", "ON", "OFF"},
    {"invincible", "Invincible", "ON", "OFF"},
    {"view", "View", "COCKPIT", "CHASE"},
};

// A small right-pointing marker in front of the selected item.
float markerCoverage(int x, int y)
{
    const float fx = x + 0.5f - 8.0f, fy = y + 0.5f - kHeight / 2.0f;
    if (fx < 0.0f || fx > 7.0f) return 0.0f;
    const float halfHeight = 5.5f * (1.0f - fx / 7.0f);
    return std::clamp(halfHeight - std::fabs(fy) + 0.5f, 0.0f, 1.0f);
}

RgbImage menuRow(const MenuItem& item, bool on, bool selected, const TextRenderer& font)
{
    const int baseline = (kHeight + font.capHeight()) / 2;
    GrayMask label(kWidth, kHeight), state(kWidth, kHeight);
    font.draw(label, item.label, selected ? 22 : 14, baseline);
    const char* stateText = on ? item.onText : item.offText;
    font.draw(state, stateText, kWidth - 12 - font.measure(stateText), baseline);

    const Colour onColour = selected ? Colour{0.0f, 0.35f, 0.05f} : Colour{0.35f, 1.0f, 0.45f};
    const Colour offColour = selected ? Colour{0.55f, 0.05f, 0.02f} : Colour{1.0f, 0.42f, 0.35f};
    const Colour labelColour = selected ? Colour{0.02f, 0.05f, 0.12f} : Colour{0.78f, 0.82f, 0.90f};

    RgbImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float v = (y + 0.5f) / kHeight;
            Colour background;
            if (selected) {
                // A bright amber bar, lighter at the top, with a white frame.
                background = mix(Colour{1.0f, 0.90f, 0.55f}, Colour{0.95f, 0.62f, 0.12f}, v);
                if (x < 2 || y < 2 || x >= kWidth - 2 || y >= kHeight - 2) background = Colour{1.0f, 1.0f, 1.0f};
            } else {
                background = mix(Colour{0.08f, 0.10f, 0.18f}, Colour{0.03f, 0.04f, 0.08f}, v);
                if (y == kHeight - 1) background = Colour{0.18f, 0.22f, 0.35f};
            }
            Colour c = mix(background, labelColour, label.at(x, y));
            c = mix(c, on ? onColour : offColour, state.at(x, y));
            if (selected) c = mix(c, Colour{0.05f, 0.05f, 0.1f}, markerCoverage(x, y));
            image.at(x, y) = c;
        }
    }
    return image;
}

}  // namespace

bool writeMenuImages(const std::string& outDir)
{
    TextRenderer font(VELTRANE_FONT_BOLD, 19);
    bool ok = true;
    for (int variant = 0; variant < 4; ++variant) {
        const bool on = variant == 0 || variant == 2;
        const bool selected = variant >= 2;
        for (const MenuItem& item : kItems) {
            const std::string path = outDir + "/menu_" + item.fileWord + std::to_string(variant) + ".ppm";
            ok = writePpm(path, menuRow(item, on, selected, font)) && ok;
        }
    }
    return ok;
}
