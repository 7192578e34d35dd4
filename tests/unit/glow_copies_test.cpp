#include <gtest/gtest.h>

#include "world/glow_copies.h"

TEST(GlowCopies, InsetsAndAlphasForOneAndEightLevels) {
    const GlowCopies one = glowCopies(1, 0.04f);
    ASSERT_EQ(one.count, 1);
    EXPECT_EQ(one.copy[0].inset, 0.0f);
    EXPECT_FLOAT_EQ(one.copy[0].alpha, 0.2f);

    const GlowCopies eight = glowCopies(8, 0.04f);
    ASSERT_EQ(eight.count, 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(eight.copy[i].inset, 0.04f * i, 1e-6f) << i;
        EXPECT_NEAR(eight.copy[i].alpha, 0.2f - 0.025f * i, 1e-6f) << i;  // 0.2 down to 0.025
    }

    EXPECT_EQ(glowCopies(0, 0.04f).count, 0);
    EXPECT_EQ(glowCopies(-3, 0.04f).count, 0);
}
