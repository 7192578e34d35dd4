#include <gtest/gtest.h>

#include <cstdlib>

#include "app/draw_warm_up.h"
#include "game_window.h"
#include "gfx/overlay.h"
#include "state/options.h"
#include "world/world.h"
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

// The warm-up draws the world in both views, fogged and in wireframe, with
// sample bolts, a spark and the glow, then puts everything back: the frames
// after it are the ones they would have been, to the bit, in either view, and
// it takes no random number.
TEST(DrawWarmUp, LeavesTheFramesAfterItAsTheyWouldHaveBeen) {
    startGameForTest();
    Overlay& overlay = *getOverlay();
    World& world = *getWorld();
    for (const bool cockpit : {true, false}) {
        setView(cockpit);
        chooseCameraMode();
        world.glowLevel = 3;
        drawTitleAndWorld();  // both frames then start from the state a world frame leaves
        const float hue = overlay.hue;
        world.glowLevel = 3;
        const std::vector<std::uint8_t> unwarmed = drawTitleAndWorld();

        overlay.hue = hue;
        world.glowLevel = 3;
        std::srand(11);
        warmUpTitle(kSize, kSize);
        beginWorldWarmUp();
        finishWorldWarmUp(kSize, kSize);
        const int next = std::rand();
        std::srand(11);
        EXPECT_EQ(next, std::rand()) << "the warm-up drew a random number";
        EXPECT_EQ(optView, cockpit);
        EXPECT_EQ(world.glowLevel, 3);
        EXPECT_TRUE(drawTitleAndWorld() == unwarmed) << "the warm-up changed the frames after it, cockpit " << cockpit;
    }
}
