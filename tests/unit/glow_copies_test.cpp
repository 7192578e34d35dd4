#include <gtest/gtest.h>

#include "world/glow_copies.h"

TEST(GlowCopies, OneLevelIsTheWholeImageAtAFifth) {
    const GlowCopies copies = glowCopies(1, 0.04f);
    ASSERT_EQ(copies.count, 1);
    EXPECT_EQ(copies.copy[0].inset, 0.0f);
    EXPECT_FLOAT_EQ(copies.copy[0].alpha, 0.2f);
}

TEST(GlowCopies, EightLevelsZoomInAndFadeToAFortieth) {
    const GlowCopies copies = glowCopies(8, 0.04f);
    ASSERT_EQ(copies.count, 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(copies.copy[i].inset, 0.04f * i, 1e-6f);
        EXPECT_NEAR(copies.copy[i].alpha, 0.2f - 0.025f * i, 1e-6f);
    }
    EXPECT_NEAR(copies.copy[7].inset, 0.28f, 1e-6f);
    EXPECT_NEAR(copies.copy[7].alpha, 0.025f, 1e-6f);
}

TEST(GlowCopies, NoLevelNoCopies) {
    EXPECT_EQ(glowCopies(0, 0.04f).count, 0);
    EXPECT_EQ(glowCopies(-3, 0.04f).count, 0);
}
