#include <gtest/gtest.h>

#include <cstdlib>

#include "app/input.h"
#include "app/options.h"
#include "app/overlay.h"
#include "gfx/hud.h"
#include "gfx/title_screen.h"
#include "platform/recording_sound_backend.h"
#include "platform/sound_backend.h"
#include "world/world.h"

namespace {

// A fresh world, overlay, options and input for each case, with the game
// started (past the title screen) unless a case says otherwise.
class ScreensFlow : public ::testing::Test {
protected:
    void SetUp() override {
        std::srand(4321);
        setSoundBackend(&recorder);
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
        setSoundBackend(nullptr);
    }

    // One frame of menu navigation with the given presses.
    void navigate(bool up, bool down, bool right, bool left) {
        overlay->navigateMenu(up, down, right, left);
    }
    void pressKeyDown() { navigate(false, true, false, false); }
    void pressKeyUp() { navigate(true, false, false, false); }
    void pressKeyLeft() { navigate(false, false, false, true); }
    void pressKeyRight() { navigate(false, false, true, false); }

    RecordingSoundBackend recorder;
    World* world = nullptr;
    Overlay* overlay = nullptr;
};

TEST_F(ScreensFlow, MenuCursorWrapsBothWaysAndOnlyMovesWhilePaused) {
    pressKeyDown();
    EXPECT_EQ(overlay->menuIndex, 0) << "the menu ignores arrows while the game runs";

    handleKeyDown('p');
    ASSERT_TRUE(world->paused);
    pressKeyUp();
    EXPECT_EQ(overlay->menuIndex, 4) << "up from the first item";
    pressKeyDown();
    EXPECT_EQ(overlay->menuIndex, 0) << "down from the last item";
    for (int i = 0; i < 3; ++i) pressKeyDown();
    EXPECT_EQ(overlay->menuIndex, 3);
    // Up and down in one frame cancel out.
    navigate(true, true, false, false);
    EXPECT_EQ(overlay->menuIndex, 3);
}

TEST_F(ScreensFlow, LeftSwitchesOnAndRightOffWhateverTheStartingState) {
    handleKeyDown('p');
    pressKeyDown();
    pressKeyDown();
    ASSERT_EQ(overlay->menuIndex, 2);
    pressKeyLeft();
    pressKeyLeft();
    EXPECT_TRUE(optInvert) << "the second left finds invert on and leaves it";
    handleKeyDown('c');
    EXPECT_FALSE(optInvert) << "c toggles regardless of the menu";
    pressKeyRight();
    pressKeyRight();
    EXPECT_FALSE(optInvert);

    // The switch acts on the item selected after the same frame's move.
    navigate(false, true, false, true);
    EXPECT_EQ(overlay->menuIndex, 3);
    EXPECT_TRUE(optInvincible);
    EXPECT_TRUE(world->player->invincible);
    pressKeyLeft();
    EXPECT_TRUE(optInvincible);
    EXPECT_TRUE(world->player->invincible);

    pressKeyDown();
    pressKeyRight();
    EXPECT_FALSE(optView) << "right on the view item is the chase view";
    pressKeyLeft();
    EXPECT_TRUE(optView);
}

TEST_F(ScreensFlow, OptionKeysOutsideTheMenu) {
    // F1 acts on its release only.
    handleSpecialDown(KeyF1);
    EXPECT_FALSE(optFullScreen);
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

    // The shortcuts work on the title screen too.
    gameState = 0;
    handleKeyDown('3');
    EXPECT_FALSE(optView);
    handleKeyDown('2');
    EXPECT_TRUE(optView);
}

TEST_F(ScreensFlow, PauseKeyIgnoredOnTheTitleScreenAndAfterGameOver) {
    gameState = 0;
    handleKeyDown('p');
    EXPECT_FALSE(world->paused);

    gameState = 1;
    world->gameOver = true;
    handleKeyDown('p');
    EXPECT_FALSE(world->paused);

    // While won the game goes on, and so does the pause key.
    world->gameOver = false;
    world->won = true;
    handleKeyDown('p');
    EXPECT_TRUE(world->paused);
    handleKeyDown('p');
    EXPECT_FALSE(world->paused);
}

TEST_F(ScreensFlow, RestartKeyActsOnlyAfterTheGameEnds) {
    world->score = 300;
    world->player->setPosition(10.0f, 20.0f, 30.0f);
    setView(false);
    recorder.clear();
    handleKeyDown('r');
    EXPECT_EQ(world->score, 300) << "r during play does nothing";
    EXPECT_FALSE(optView);
    EXPECT_TRUE(recorder.entries().empty());

    world->gameOver = true;
    handleKeyDown('r');
    EXPECT_EQ(world->score, 0);
    EXPECT_FALSE(world->gameOver);
    EXPECT_EQ(world->player->position.x, 0.0f);
    EXPECT_TRUE(optView) << "every new game starts in the cockpit";
}

TEST_F(ScreensFlow, RestartAfterAWinThenPauseStartsPaused) {
    handleKeyDown('\\');
    world->update();
    ASSERT_TRUE(world->won);
    handleKeyDown('p');
    ASSERT_TRUE(world->paused);
    handleKeyDown('r');
    EXPECT_FALSE(world->won);
    EXPECT_TRUE(world->paused);
}

TEST_F(ScreensFlow, RestartGivesTheNewShipTheInvincibilityTheMenuShows) {
    // The win makes the ship invincible; with the option off, the next ship is not.
    handleKeyDown('\\');
    world->update();
    ASSERT_TRUE(world->player->invincible);
    ASSERT_FALSE(optInvincible);
    handleKeyDown('r');
    EXPECT_FALSE(world->player->invincible);
    EXPECT_FALSE(optInvincible);

    // With the option on, a lost game's successor keeps it, and the menu's
    // off side then really switches it off.
    handleKeyDown('i');
    world->gameOver = true;
    handleKeyDown('r');
    EXPECT_TRUE(world->player->invincible);
    EXPECT_TRUE(optInvincible);
    handleKeyDown('p');
    for (int i = 0; i < 3; ++i) pressKeyDown();
    pressKeyRight();
    EXPECT_FALSE(world->player->invincible);
    EXPECT_FALSE(optInvincible);
}

TEST_F(ScreensFlow, HudStateResetsTheCursorAndScrollsCreditsOnlyWhileWon) {
    handleKeyDown('p');
    pressKeyDown();
    pressKeyDown();
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 2) << "kept while paused";
    handleKeyDown('p');
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 0) << "back to the first item once running";
    handleKeyDown('p');
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 0) << "the menu opens again on the first item";
    handleKeyDown('p');

    for (int i = 0; i < 5; ++i) updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->creditScroll, 0.0f);
    world->won = true;
    float expected = 0.0f;
    for (int i = 0; i < 3; ++i) {
        updateHudState(*overlay, *world);
        expected += overlay->creditScrollStep;
    }
    EXPECT_FLOAT_EQ(overlay->creditScroll, expected);
    EXPECT_GT(overlay->creditScroll, 0.0f);
    world->won = false;
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->creditScroll, 0.0f);
}

TEST_F(ScreensFlow, ArrowsTurnTheTitleShipOnlyOnTheTitleScreen) {
    const Vec3 startUp = overlay->titleShip->up;
    navigate(true, false, false, true);
    EXPECT_EQ(overlay->titleShip->up.y, startUp.y) << "titleMode is clear";
    overlay->titleMode = true;
    navigate(false, false, false, true);
    EXPECT_NE(overlay->titleShip->up.x, startUp.x) << "left rolls the title ship";
    EXPECT_EQ(overlay->menuIndex, 0);
}

TEST(TitleHue, KeepsThreeSixtyForOneFrameThenStartsAgain) {
    float hue = 0.0f;
    for (int frame = 0; frame < 720; ++frame) hue = nextTitleHue(hue, 0.5f);
    EXPECT_EQ(hue, 360.0f);
    EXPECT_EQ(nextTitleHue(hue, 0.5f), 0.0f);
}

}  // namespace
