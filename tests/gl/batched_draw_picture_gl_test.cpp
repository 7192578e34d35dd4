// The batched draw paths against the one-by-one drawing they replace, on the
// benchmark's scenes, at the window's size and at full screen: the same rand()
// draws, and the same pixels but for rounding. Where thousands of additive
// particles overlap, the batch's per-corner colours round a level differently
// now and then, and a sum of them can drift by a few levels; a skipped back
// face can change which face wins a depth tie on a cube's silhouette, and a
// corner computed on the processor can move a particle's edge by a pixel. So
// at most one pixel in 100 may differ by more than 2 levels (measured: up to
// one in 250 on the six explosions, none elsewhere but a few tie pixels).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "frame_scenes.h"
#include "game_window.h"
#include "gfx/draw_path.h"
#include "gfx/overlay.h"
#include "test_window.h"

namespace {

constexpr int kRounding = 2;

// One frame of the scene drawn along `path` from a fixed seed, read back, then
// the first rand() after it: equal for two paths when their draws were.
std::vector<std::uint8_t> drawWith(DrawPath path, FrameScene scene, int width, int height, float titleHue, int& nextRand) {
    drawPath = path;
    getOverlay()->hue = titleHue;
    std::srand(99);
    drawSceneFrame(scene, width, height);
    nextRand = std::rand();
    std::vector<std::uint8_t> rgb = readBackBuffer(width, height);
    glutSwapBuffers();
    return rgb;
}

class BatchedDrawPicture : public ::testing::TestWithParam<FrameScene> {
protected:
    static void SetUpTestSuite() { startGameForTest(); }
};

TEST_P(BatchedDrawPicture, MatchesOneByOneDrawing) {
    const FrameScene scene = GetParam();
    for (const auto& [width, height] : {std::pair{500, 500}, std::pair{1280, 1024}}) {
        ASSERT_TRUE(resizeGameWindow(width, height));
        setUpScene(scene);
        const float hue = getOverlay()->hue;
        int plainRand = 0, batchedRand = 0;
        const auto plain = drawWith(DrawPath::OneByOne, scene, width, height, hue, plainRand);
        const auto batched = drawWith(DrawPath::Batched, scene, width, height, hue, batchedRand);
        drawPath = DrawPath::Batched;
        // Pixels with any channel off by more than kRounding, and the largest difference.
        int pixels = 0, largest = 0;
        for (std::size_t i = 0; i < plain.size(); i += 3) {
            int worst = 0;
            for (std::size_t c = 0; c < 3; ++c) worst = std::max(worst, std::abs(plain[i + c] - batched[i + c]));
            largest = std::max(largest, worst);
            pixels += worst > kRounding;
        }
        std::printf("%s %dx%d: %d pixels off by more than %d, largest %d\n", frameSceneName(scene), width, height, pixels, kRounding, largest);
        EXPECT_EQ(plainRand, batchedRand) << "the rand() draws differ";
        EXPECT_LE(pixels, width * height / 100) << frameSceneName(scene);
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, BatchedDrawPicture,
                         ::testing::Values(FrameScene::Cockpit, FrameScene::ChaseGlow, FrameScene::Explosions,
                                           FrameScene::EnemyBolts, FrameScene::Title),
                         [](const auto& info) { return std::string(frameSceneName(info.param)); });

}  // namespace
