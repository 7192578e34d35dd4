#include <limits>

#include "gfx/overlay.h"
#include "world/command_queue.h"
#include "world/game_tick.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using GameTick = OverlayWorldTest;

// Ticks need no window (GLUT would stop the test if one touched it): the
// queued input, then the world's step while the game runs, then the overlay.
TEST_F(GameTick, AppliesTheQueueThenStepsTheWorldAndTheOverlay) {
    const float titleHue = overlay->hue;
    runTick();
    EXPECT_TRUE(overlay->titleMode && overlay->hue > titleHue) << "the title's prompt changes colour";
    EXPECT_EQ(world->player->position.z, 0.0f) << "the world stands still under the title";

    queueKeyDown(' ');
    queueSpecialDown(KeyDown);
    const float fog = fogHue;
    const long long ticks = ticksRun();
    runTick();
    EXPECT_EQ(ticksRun(), ticks + 1);
    EXPECT_EQ(gameState, 1);
    EXPECT_EQ(queuedCommandCount(), 0u);
    EXPECT_FALSE(overlay->titleMode);
    EXPECT_GT(fogHue, fog);
    EXPECT_LT(world->player->position.z, 0.0f) << "the ship flew one step";
    EXPECT_EQ(world->player->previousFrame.position.z, 0.0f) << "where the picture blends from";
    EXPECT_TRUE(keyDown && !pressDown) << "held on, the press seen by one tick only";
}

// A stalled game's burst of input acts over several ticks, in order, never
// more than a recording's tick can hold; clicks along no line are dropped.
TEST_F(GameTick, ABurstOfInputWaitsForLaterTicks) {
    for (std::size_t i = 0; i < kMaxCommandsPerTick; ++i) queueKeyDown('x');
    queueKeyDown(' ');
    const float nan = std::numeric_limits<float>::quiet_NaN();
    queueFireAlong({Vec3(nan, 0.0f, 0.0f), Vec3(0.0f, 0.0f, -1.0f)});
    runTick();
    EXPECT_EQ(gameState, 0) << "Space waits behind the first tick's commands";
    EXPECT_EQ(queuedCommandCount(), 1u);
    runTick();
    EXPECT_EQ(gameState, 1);
    EXPECT_EQ(queuedCommandCount(), 0u);
}
