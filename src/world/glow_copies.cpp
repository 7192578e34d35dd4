#include "world/glow_copies.h"

#include <algorithm>

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
