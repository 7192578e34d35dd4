#include <gtest/gtest.h>

#include "gfx/hud.h"
#include "world_fixture.h"

// The counters at the top of the HUD: the whole score, however long the game,
// and the enemies left as the last step counted them.
TEST_F(WorldTest, HudCountersShowTheScoreAndTheEnemiesLeft) {
    world->update();
    world->score = 1234567;
    EXPECT_EQ(hudScoreText(*world), "Score: 1234567");
    EXPECT_EQ(hudEnemiesLeftText(*world), "Enemies Left: 124");
}
