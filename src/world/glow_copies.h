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

// The texels of the captured square that hold any light, as a box of texel
// indices; empty when the whole capture is black.
struct LitTexels {
    bool empty = true;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
LitTexels findLitTexels(const unsigned char* luminance, int side);

// Window pixels x, y (from the bottom left), width and height.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};
// The part of a viewport of width x height that `copy` can change: outside
// it every sample of the linearly filtered copy falls between black texels,
// and the additive copy adds exactly nothing. A lit texel on the square's edge
// reaches round the repeating texture, so then the whole viewport counts.
PixelRect glowCopyReach(const GlowCopy& copy, const LitTexels& lit, int side, int width,
                        int height);
