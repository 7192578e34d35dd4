#include <gtest/gtest.h>

#include <cstdlib>

#include "app/input.h"
#include "app/options.h"
#include "app/overlay.h"
#include "gfx/hud.h"
#include "world/world.h"

namespace {

// A fresh world, overlay, options and input for each case, past the title screen.
class ScreensFlow : public ::testing::Test {
protected:
    void SetUp() override {
        std::srand(4321);
        world = createWorld(WorldImages::Skip);
        overlay = createOverlay();
        resetOptions();
        resetInput();
        gameState = 1;
    }
    void TearDown() override {
        destroyOverlay();
        destroyWorld();
        resetOptions();
        resetInput();
    }
    // One frame of menu navigation per letter: u(p), d(own), r(ight), l(eft).
    void press(const char* frames) {
        for (; *frames; ++frames) overlay->navigateMenu(*frames == 'u', *frames == 'd', *frames == 'r', *frames == 'l');
    }

    World* world = nullptr;
    Overlay* overlay = nullptr;
};

TEST_F(ScreensFlow, MenuWrapsAndSwitchesOnlyWhilePaused) {
    press("d");
    EXPECT_EQ(overlay->menuIndex, 0) << "the menu ignores arrows while the game runs";
    handleKeyDown('p');
    ASSERT_TRUE(world->paused);
    press("u");
    EXPECT_EQ(overlay->menuIndex, 4) << "up from the first item";
    press("d");
    EXPECT_EQ(overlay->menuIndex, 0) << "down from the last item";
    press("dd");
    overlay->navigateMenu(true, true, false, false);
    EXPECT_EQ(overlay->menuIndex, 2) << "up and down in one frame cancel out";

    press("ll");
    EXPECT_TRUE(optInvert) << "the second left finds invert on and leaves it";
    press("rr");
    EXPECT_FALSE(optInvert);

    overlay->navigateMenu(false, true, false, true);  // the switch acts on the item moved to
    EXPECT_EQ(overlay->menuIndex, 3);
    EXPECT_TRUE(optInvincible);
    EXPECT_TRUE(world->player->invincible);
    press("l");
    EXPECT_TRUE(world->player->invincible);
    press("dr");
    EXPECT_FALSE(optView) << "right on the view item is the chase view";
    press("l");
    EXPECT_TRUE(optView);
}

TEST_F(ScreensFlow, OptionKeysOutsideTheMenu) {
    handleSpecialDown(KeyF1);
    EXPECT_FALSE(optFullScreen) << "F1 acts on its release";
    handleSpecialUp(KeyF1);
    EXPECT_TRUE(optFullScreen);
    handleSpecialDown(KeyF1);
    handleSpecialUp(KeyF1);
    EXPECT_FALSE(optFullScreen);

    // i twice gives back both flags, even when they disagreed to begin with.
    for (const bool shipFlag : {false, true}) {
        world->player->invincible = shipFlag;
        optInvincible = false;
        handleKeyDown('i');
        EXPECT_NE(world->player->invincible, shipFlag);
        EXPECT_TRUE(optInvincible);
        handleKeyDown('i');
        EXPECT_EQ(world->player->invincible, shipFlag);
        EXPECT_FALSE(optInvincible);
    }
}

TEST_F(ScreensFlow, PauseAndRestartKeysOnlyActWhereTheyShould) {
    gameState = 0;
    handleKeyDown('p');
    EXPECT_FALSE(world->paused) << "title screen";
    gameState = 1;

    world->score = 300;
    setView(false);
    handleKeyDown('r');
    EXPECT_EQ(world->score, 300) << "r during play does nothing";
    EXPECT_FALSE(optView);

    world->gameOver = true;
    handleKeyDown('p');
    EXPECT_FALSE(world->paused) << "game over";
    handleKeyDown('r');
    EXPECT_EQ(world->score, 0);
    EXPECT_TRUE(optView) << "every new game starts in the cockpit";
}

TEST_F(ScreensFlow, RestartAfterAWinKeepsThePauseAndTheMenusInvincibility) {
    handleKeyDown('\\');
    world->update();
    ASSERT_TRUE(world->won);
    ASSERT_TRUE(world->player->invincible) << "the win makes the ship invincible";
    handleKeyDown('p');
    ASSERT_TRUE(world->paused) << "while won the game, and the pause key, go on";
    handleKeyDown('r');
    EXPECT_FALSE(world->won);
    EXPECT_TRUE(world->paused);
    EXPECT_FALSE(world->player->invincible) << "the menu shows invincibility off";
    EXPECT_FALSE(optInvincible);

    // With the option on, a lost game's successor keeps it, and the menu's off side switches it off.
    handleKeyDown('i');
    world->gameOver = true;
    handleKeyDown('r');
    EXPECT_TRUE(world->player->invincible);
    EXPECT_TRUE(optInvincible);
    ASSERT_TRUE(world->paused);
    press("dddr");
    EXPECT_FALSE(world->player->invincible);
    EXPECT_FALSE(optInvincible);
}

TEST_F(ScreensFlow, HudStateResetsTheCursorAndScrollsCreditsOnlyWhileWon) {
    handleKeyDown('p');
    press("dd");
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 2) << "kept while paused";
    handleKeyDown('p');
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 0) << "back to the first item once running";

    for (int i = 0; i < 5; ++i) updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->creditScroll, 0.0f);
    world->won = true;
    for (int i = 0; i < 3; ++i) updateHudState(*overlay, *world);
    EXPECT_GT(overlay->creditScroll, 0.0f);
    EXPECT_FLOAT_EQ(overlay->creditScroll, 3 * overlay->creditScrollStep);
    world->won = false;
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->creditScroll, 0.0f);
}

}  // namespace
