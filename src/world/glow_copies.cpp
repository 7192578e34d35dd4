#include "world/glow_copies.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kFirstAlpha = 0.2f;
}

GlowCopies glowCopies(int level, float step) {
    GlowCopies copies;
    if (level <= 0) return copies;
    // Accumulated rather than multiplied, in single precision, as the copies
    // have always been stepped. The level never passes the cap of 8.
    const float fade = kFirstAlpha / static_cast<float>(level);
    float inset = 0.0f;
    float alpha = kFirstAlpha;
    copies.count = std::min(level, GlowCopies::kMaxCopies);
    for (int i = 0; i < copies.count; ++i) {
        copies.copy[i] = {inset, alpha};
        inset += step;
        alpha -= fade;
    }
    return copies;
}

LitTexels findLitTexels(const unsigned char* luminance, int side) {
    LitTexels lit;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (luminance[y * side + x] == 0) continue;
            if (lit.empty) {
                lit = {false, x, y, x, y};
                continue;
            }
            lit.x0 = std::min(lit.x0, x);
            lit.x1 = std::max(lit.x1, x);
            lit.y0 = std::min(lit.y0, y);
            lit.y1 = std::max(lit.y1, y);
        }
    }
    return lit;
}

namespace {
// Pixels [first, last) of an axis of `size` pixels whose samples can reach
// texels first..last: a linear filter reaches half a texel beyond a texel's
// centre on either side. The copy shows coordinates inset..1 - inset over the
// axis. One pixel of margin absorbs rounding.
void reachOnAxis(float inset, int firstTexel, int lastTexel, int side, int size, int& first,
                 int& length) {
    const double from = (firstTexel - 0.5) / side;
    const double to = (lastTexel + 1.5) / side;
    const double span = 1.0 - 2.0 * inset;
    const double a = (from - inset) / span * size;
    const double b = (to - inset) / span * size;
    first = std::max(0, static_cast<int>(std::floor(a)) - 1);
    const int end = std::min(size, static_cast<int>(std::ceil(b)) + 1);
    length = std::max(0, end - first);
}
}  // namespace

PixelRect glowCopyReach(const GlowCopy& copy, const LitTexels& lit, int side, int width,
                        int height) {
    PixelRect rect;
    if (lit.empty) return rect;
    if (lit.x0 == 0 || lit.y0 == 0 || lit.x1 == side - 1 || lit.y1 == side - 1) {
        rect.width = width;
        rect.height = height;
        return rect;
    }
    // Texture s runs left to right; t runs up the window, as the texture's
    // rows were copied from the bottom of the frame.
    reachOnAxis(copy.inset, lit.x0, lit.x1, side, width, rect.x, rect.width);
    reachOnAxis(copy.inset, lit.y0, lit.y1, side, height, rect.y, rect.height);
    return rect;
}
