#include <gtest/gtest.h>

#include "world/hsv_to_rgb.h"

namespace {
struct Rgb {
    float r = -9, g = -9, b = -9;
};
Rgb convert(float h, float s, float v) {
    Rgb c;
    hsvToRgb(h, s, v, &c.r, &c.g, &c.b);
    return c;
}
}  // namespace

TEST(HsvToRgb, SectorsOfTheHexcone) {
    Rgb red = convert(0, 1, 1);
    EXPECT_FLOAT_EQ(red.r, 1);
    EXPECT_FLOAT_EQ(red.g, 0);
    EXPECT_FLOAT_EQ(red.b, 0);
    Rgb green = convert(120, 1, 1);
    EXPECT_FLOAT_EQ(green.g, 1);
    EXPECT_FLOAT_EQ(green.r, 0);
    Rgb blue = convert(240, 1, 0.5f);
    EXPECT_FLOAT_EQ(blue.b, 0.5f);
    EXPECT_FLOAT_EQ(blue.r, 0);
    Rgb magenta = convert(300, 1, 1);
    EXPECT_FLOAT_EQ(magenta.r, 1);
    EXPECT_NEAR(magenta.b, 1, 1e-5);  // 300 x (1/60) lands just past the sector start
    Rgb orange = convert(30, 1, 1);
    EXPECT_FLOAT_EQ(orange.g, 0.5f);
}

TEST(HsvToRgb, OutOfRangeHuesAndTheUntouchedCases) {
    // 360 falls in the seventh sector: a grey.
    Rgb grey = convert(360, 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(grey.r, 0.25f);
    EXPECT_FLOAT_EQ(grey.g, 0.25f);
    EXPECT_FLOAT_EQ(grey.b, 0.25f);
    // Between -60 and 0 the sector truncates to 0.
    Rgb negative = convert(-30, 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(negative.r, 0.5f);
    EXPECT_FLOAT_EQ(negative.g, 0.125f);
    EXPECT_FLOAT_EQ(negative.b, 0.25f);
    Rgb untouched = convert(100, 0, 1);
    EXPECT_EQ(untouched.r, -9);
    Rgb undefinedHue = convert(-1, 1, 1);
    EXPECT_EQ(undefinedHue.g, -9);
}
