#include <gtest/gtest.h>

#include "app/draw_warm_up.h"
#include "game_window.h"
#include "gfx/overlay.h"
#include "test_window.h"
#include "world/render_pass.h"

namespace {
constexpr int kSize = 500;

// The title, then the world and its HUD as they stand (not stepped), read back.
std::vector<std::uint8_t> drawTitleAndWorld() {
    std::vector<std::uint8_t> rgb;
    for (int pass = 0; pass < 2; ++pass) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glViewport(0, 0, kSize, kSize);
        if (pass == 1) drawWorldView();
        drawOverlayPass(kSize, kSize, pass == 0);
        const std::vector<std::uint8_t> frame = readBackBuffer(kSize, kSize);
        rgb.insert(rgb.end(), frame.begin(), frame.end());
    }
    return rgb;
}
}  // namespace

// The warm-up draws the world, fogged and in wireframe, then puts everything
// back: the frames after it are the ones they would have been, to the bit.
TEST(DrawWarmUp, LeavesTheFramesAfterItAsTheyWouldHaveBeen) {
    startGameForTest();
    Overlay& overlay = *getOverlay();
    drawTitleAndWorld();  // both frames then start from the state a world frame leaves
    const float hue = overlay.hue;
    const std::vector<std::uint8_t> unwarmed = drawTitleAndWorld();

    overlay.hue = hue;
    warmUpTitle(kSize, kSize);
    warmUpWorld(kSize, kSize);
    EXPECT_TRUE(drawTitleAndWorld() == unwarmed) << "the warm-up changed the frames after it";
}
