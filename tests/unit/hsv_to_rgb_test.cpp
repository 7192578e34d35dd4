#include <gtest/gtest.h>

#include "world/hsv_to_rgb.h"

// Hue, saturation, value, then the red, green and blue expected; -9 is "left untouched".
TEST(HsvToRgb, SectorsOutOfRangeHuesAndTheUntouchedCases) {
    const float cases[][6] = {
        {0, 1, 1, 1, 0, 0},     {120, 1, 1, 0, 1, 0},       {240, 1, 0.5f, 0, 0, 0.5f}, {30, 1, 1, 1, 0.5f, 0},
        {300, 1, 1, 1, 0, 1},   // 300 x (1/60) lands just past the sector start
        {360, 0.5f, 0.5f, 0.25f, 0.25f, 0.25f},  // the seventh sector: a grey
        {-30, 0.5f, 0.5f, 0.5f, 0.125f, 0.25f},  // between -60 and 0 the sector truncates to 0
        {100, 0, 1, -9, -9, -9}, {-1, 1, 1, -9, -9, -9},
    };
    for (const auto& c : cases) {
        float rgb[3] = {-9, -9, -9};
        hsvToRgb(c[0], c[1], c[2], &rgb[0], &rgb[1], &rgb[2]);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(rgb[i], c[3 + i], 1e-5f) << "hue " << c[0] << " component " << i;
    }
}
