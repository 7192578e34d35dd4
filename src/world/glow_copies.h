#pragma once

// One copy of the glow image: the share of the captured square cut off each
// side before it is stretched over the screen, and its alpha.
struct GlowCopy {
    float inset = 0.0f;
    float alpha = 0.0f;
};

// The copies a glow of `level` lays over the screen, first to last: each one
// `step` further zoomed in than the one before and fainter by 0.2 / level,
// from 0.2 down to 0.2 / level. A level of 0 or less gives none.
struct GlowCopies {
    static constexpr int kMaxCopies = 8;
    int count = 0;
    GlowCopy copy[kMaxCopies];
};
GlowCopies glowCopies(int level, float step);
