#include <gtest/gtest.h>

#include "app/draw_warm_up.h"
#include "app/picture.h"
#include "entities/game_random.h"
#include "world/state_hash.h"
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
        gameState = pass;
        viewportWidth = viewportHeight = kSize;
        drawPicture(1.0f);
        const std::vector<std::uint8_t> frame = readBackBuffer(kSize, kSize);
        rgb.insert(rgb.end(), frame.begin(), frame.end());
    }
    return rgb;
}
}  // namespace

// The warm-up draws the world in both views, fogged and in wireframe, with
// sample bolts, a spark and the glow, and leaves the GL as it found it: the
// pictures after it are the ones they would have been, to the bit, in either
// view; it changes nothing the ticks own and takes no random number.
TEST(DrawWarmUp, LeavesTheFramesAfterItAsTheyWouldHaveBeen) {
    startGameForTest();
    Overlay& overlay = *getOverlay();
    World& world = *getWorld();
    for (const bool cockpit : {true, false}) {
        setView(cockpit);
        chooseCameraMode();
        world.glowShown = 3;
        drawTitleAndWorld();  // both pictures then start from the state a world picture leaves
        const std::vector<std::uint8_t> unwarmed = drawTitleAndWorld();
        const std::uint64_t before = tickStateHash(world, overlay);
        const GameRandomState randomBefore = gameRandomState();
        warmUpTitle(kSize, kSize);
        beginWorldWarmUp();
        finishWorldWarmUp(kSize, kSize);
        EXPECT_TRUE(gameRandomState() == randomBefore) << "the warm-up drew a random number";
        EXPECT_EQ(tickStateHash(world, overlay), before) << "the warm-up changed the game";
        EXPECT_TRUE(drawTitleAndWorld() == unwarmed) << "the warm-up changed the frames after it, cockpit " << cockpit;
    }
}
