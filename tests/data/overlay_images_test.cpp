// Title, credits, menu rows, particle and the tiling surface textures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "image_test_files.h"

using namespace image_test;

namespace {

int litTexels(const RgbPicture& p, int y0, int y1, int threshold)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < p.width; ++x)
            if (std::max({p.at(x, y)[0], p.at(x, y)[1], p.at(x, y)[2]}) > threshold) ++count;
    return count;
}

double columnDifference(const RgbPicture& p, int xa, int xb)
{
    double sum = 0.0;
    for (int y = 0; y < p.height; ++y)
        for (int c = 0; c < 3; ++c) sum += std::abs(p.at(xa, y)[c] - p.at(xb, y)[c]);
    return sum / p.height;
}

double rowDifference(const RgbPicture& p, int ya, int yb)
{
    double sum = 0.0;
    for (int x = 0; x < p.width; ++x)
        for (int c = 0; c < 3; ++c) sum += std::abs(p.at(x, ya)[c] - p.at(x, yb)[c]);
    return sum / p.width;
}

// The wrap-around step (last column to first) must look like an ordinary step
// between neighbouring columns; likewise for rows.
void expectTiles(const RgbPicture& p)
{
    double columnSteps = 0.0, rowSteps = 0.0;
    for (int x = 0; x + 1 < p.width; ++x) columnSteps += columnDifference(p, x, x + 1);
    for (int y = 0; y + 1 < p.height; ++y) rowSteps += rowDifference(p, y, y + 1);
    EXPECT_LT(columnDifference(p, p.width - 1, 0), 3.0 * columnSteps / (p.width - 1) + 4.0);
    EXPECT_LT(rowDifference(p, p.height - 1, 0), 3.0 * rowSteps / (p.height - 1) + 4.0);
}

}  // namespace

// The title is added over the whole window: the name lights the upper third,
// while the middle (where the ship stands) and the prompt's line stay black.
TEST(OverlayImages, TitleLeavesTheShipAndPromptClear)
{
    const RgbPicture title = fromPpm(loadPpm("title.ppm"));
    const int h = title.height;
    EXPECT_GT(litTexels(title, 0, h / 3, 200), 3000);
    EXPECT_EQ(litTexels(title, h * 2 / 5, h, 2), 0);
}

TEST(OverlayImages, CreditsFillEveryScrollWindow)
{
    const RgbPicture credits = fromPpm(loadPpm("credit.ppm"));
    const int window = credits.height / 5;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE("window " + std::to_string(i));
        EXPECT_GT(litTexels(credits, i * window, (i + 1) * window, 150), 300);
    }
    // Black around the text, so the lines stand apart when scrolled.
    EXPECT_LT(meanLuminance(credits, 0, 0, credits.width, credits.height), 20.0);
}

// Each row: variants 2 and 3 (selected) carry a bright bar, and the on and off
// variants of one item differ only in the state text.
TEST(OverlayImages, MenuRowsShowSelectionAndState)
{
    for (const char* item : {"fullScreen", "nebula", "invert", "invincible", "view"}) {
        SCOPED_TRACE(item);
        RgbPicture rows[4];
        for (int v = 0; v < 4; ++v) rows[v] = fromPpm(loadPpm(std::string("menu_") + item + std::to_string(v) + ".ppm"));
        const int w = rows[0].width, h = rows[0].height;
        for (int v = 0; v < 2; ++v)
            EXPECT_GT(meanLuminance(rows[v + 2], 0, 0, w, h), meanLuminance(rows[v], 0, 0, w, h) + 80.0);
        // The label's half is the same whether the option is on or off; the state's is not.
        const double onOffLeft = meanLuminance(rows[0], 0, 0, w / 2, h) - meanLuminance(rows[1], 0, 0, w / 2, h);
        const double onOffRight = std::fabs(meanLuminance(rows[0], w * 3 / 4, 0, w, h) -
                                            meanLuminance(rows[1], w * 3 / 4, 0, w, h));
        EXPECT_NEAR(onOffLeft, 0.0, 0.5);
        EXPECT_GT(onOffRight, 1.0);
    }
}

// White at the centre, fading steadily outwards, black at the rim.
TEST(OverlayImages, ParticleIsASoftRoundGlow)
{
    const RgbPicture glow = fromPpm(loadPpm("particle.ppm"));
    const int n = glow.width, mid = n / 2;
    EXPECT_GE(glow.at(mid, mid)[0], 250);
    for (int x = 0; x < n; ++x) {
        EXPECT_EQ(glow.at(x, 0)[0], 0);
        EXPECT_EQ(glow.at(0, x)[0], 0);
    }
    for (int x = mid; x + 1 < n; ++x) {
        EXPECT_GE(glow.at(x, mid)[0], glow.at(x + 1, mid)[0]);
        EXPECT_EQ(glow.at(x, mid)[0], glow.at(n - 1 - x, mid)[0]);  // symmetric
        EXPECT_EQ(glow.at(x, mid)[0], glow.at(mid, x)[0]);
        EXPECT_EQ(glow.at(x, mid)[1], glow.at(x, mid)[0]);          // grey, so tints apply unchanged
    }
}

// Block and capital-ship textures repeat across their faces, so they tile;
// the capital ship shows them at full brightness, so they stay mid-toned.
TEST(OverlayImages, SurfaceTexturesTileAndStayMidToned)
{
    for (const char* name : {"square.ppm", "cubebump.ppm", "title_square.ppm"}) {
        SCOPED_TRACE(name);
        expectTiles(fromPpm(loadPpm(name)));
    }
    for (const std::string& name : capitalBmpFiles()) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = readBytes(dataPath(name));
        BmpFile file;
        ASSERT_TRUE(parseBmp(bytes.data(), bytes.size(), file));
        const RgbPicture picture = decodeBmp(file);
        expectTiles(picture);
        const double mean = meanLuminance(picture, 0, 0, picture.width, picture.height);
        EXPECT_GT(mean, 40.0);
        EXPECT_LT(mean, 170.0);
    }
}
