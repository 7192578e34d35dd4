#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "world/glow_copies.h"

namespace {

constexpr int kSide = 32;

// Every pixel of an axis of `size` pixels, showing coordinates inset..1 - inset,
// whose linearly filtered sample weighs a texel in t0..t1 lies in start..start + length.
void expectAxisReach(int size, float inset, int t0, int t1, int start, int length) {
    for (int pixel = 0; pixel < size; ++pixel) {
        // The sample, in texels from the first texel's centre, weighs the texels less than one away.
        const double u = (inset + (pixel + 0.5) / size * (1.0 - 2.0 * inset)) * kSide - 0.5;
        const bool sampled = std::fabs(u - std::clamp<double>(u, t0, t1)) < 1.0;
        EXPECT_TRUE(!sampled || (pixel >= start && pixel < start + length)) << pixel << " of " << size;
    }
    EXPECT_LT(length, size) << "the reach is the lit part, not the whole window";
}

// The copies step inwards and fade from 0.2 in equal steps (a single copy keeps 0.2, a level of
// 0 or less has none); for every copy of the top level and both window shapes, the reach holds.
TEST(GlowReach, CopiesFadeInwardsAndTheReachHoldsEveryPixelThatSamplesALitTexel) {
    EXPECT_EQ(glowCopies(1, 0.04f).copy[0].alpha, 0.2f);
    EXPECT_EQ(glowCopies(0, 0.04f).count + glowCopies(-3, 0.04f).count, 0);
    const GlowCopies copies = glowCopies(8, 0.04f);
    ASSERT_EQ(copies.count, 8);
    for (int i = 0; i < copies.count; ++i) {
        EXPECT_NEAR(copies.copy[i].inset, 0.04f * i, 1e-6f) << i;
        EXPECT_NEAR(copies.copy[i].alpha, 0.2f - 0.025f * i, 1e-6f) << i;
    }
    const LitTexels lit{false, 13, 5, 18, 9};
    for (const auto& [width, height] : {std::pair{500, 500}, std::pair{1280, 1024}}) {
        for (int i = 0; i < copies.count; ++i) {
            SCOPED_TRACE(i);
            const PixelRect reach = glowCopyReach(copies.copy[i], lit, kSide, width, height);
            expectAxisReach(width, copies.copy[i].inset, lit.x0, lit.x1, reach.x, reach.width);
            expectAxisReach(height, copies.copy[i].inset, lit.y0, lit.y1, reach.y, reach.height);
        }
    }
}

// A lit texel on the square's edge is filtered together with the far edge of
// the repeating texture: the whole viewport is reached. A black capture reaches nothing.
TEST(GlowReach, EdgeTexelReachesEverythingAndBlackNothing) {
    std::vector<unsigned char> capture(kSide * kSide, 0);
    const GlowCopy copy{0.0f, 0.2f};
    const PixelRect none = glowCopyReach(copy, findLitTexels(capture.data(), kSide), kSide, 500, 500);
    EXPECT_EQ(none.width * none.height, 0);
    capture[7 * kSide + 0] = 1;  // row 7, column 0
    capture[20 * kSide + 9] = 40;
    const LitTexels lit = findLitTexels(capture.data(), kSide);
    EXPECT_EQ(std::tie(lit.empty, lit.x0, lit.x1, lit.y0, lit.y1), std::make_tuple(false, 0, 9, 7, 20));
    const PixelRect all = glowCopyReach(copy, lit, kSide, 640, 480);
    EXPECT_EQ(std::tie(all.x, all.y, all.width, all.height), std::make_tuple(0, 0, 640, 480));
}

}  // namespace
