#include <gtest/gtest.h>

#include "world/render_pass.h"
#include "world_fixture.h"

// The nebula's colour turns a tenth of a degree of hue a tick from a blue at
// 200 degrees, at half saturation and value; past 360 it starts again at red.
TEST(FogColour, TurnsATenthOfADegreeAFrameAndStartsAgainPast360) {
    fogHue = 200.0f;
    float rgb[3] = {};
    advanceFogHue();
    fogColour(fogHue, rgb);
    EXPECT_FLOAT_EQ(fogHue, 200.1f);
    EXPECT_NEAR(rgb[0], 0.25f, 1e-5f);  // a blue
    EXPECT_NEAR(rgb[2], 0.5f, 1e-5f);
    int frames = 1;
    for (float last = fogHue; frames < 5000; ++frames) {
        advanceFogHue();
        if (fogHue < last) break;
        last = fogHue;
    }
    EXPECT_NEAR(frames, 1600, 2) << "(360 - 200) / 0.1 ticks to the first wrap";
    fogColour(fogHue, rgb);
    EXPECT_TRUE(fogHue == 0.0f && rgb[0] == 0.5f) << "red";
    // Exactly 360 is not past it: that tick keeps 360.
    fogHue = 359.9f;
    advanceFogHue();
    EXPECT_EQ(fogHue, 360.0f);
    advanceFogHue();
    EXPECT_EQ(fogHue, 0.0f);
}

// A new game keeps the colour where it was.
TEST_F(WorldTest, FogHueCarriesOverARestart) {
    fogHue = 42.0f;
    world->restart();
    EXPECT_EQ(fogHue, 42.0f);
}
