#include "app/input.h"
#include "world/overlay_step.h"
#include "world_fixture.h"

namespace {

// Past the title screen.
class ScreensFlow : public OverlayWorldTest {
protected:
    void SetUp() override { OverlayWorldTest::SetUp(); gameState = 1; }
    // One tick of menu navigation per letter: u(p), d(own), r(ight), l(eft).
    void press(const char* frames) {
        for (; *frames; ++frames) navigateMenu(*overlay, *frames == 'u', *frames == 'd', *frames == 'r', *frames == 'l');
    }
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
    press("ll");
    EXPECT_TRUE(optInvert) << "the second left finds invert on and leaves it";
    press("rr");
    EXPECT_FALSE(optInvert);
    navigateMenu(*overlay, false, true, false, true);  // the switch acts on the item moved to
    EXPECT_EQ(overlay->menuIndex, 3);
    EXPECT_TRUE(optInvincible && world->player->invincible);
}

TEST_F(ScreensFlow, OptionKeysOutsideTheMenu) {
    handleSpecialDown(KeyF1);
    EXPECT_FALSE(optFullScreen) << "F1 acts on its release";
    handleSpecialUp(KeyF1);
    EXPECT_TRUE(optFullScreen);
    // i twice gives back both flags, even when they disagreed to begin with.
    world->player->invincible = true;
    handleKeyDown('i');
    EXPECT_TRUE(optInvincible && !world->player->invincible);
    handleKeyDown('i');
    EXPECT_TRUE(!optInvincible && world->player->invincible);
}

TEST_F(ScreensFlow, PauseAndRestartKeysOnlyActWhereTheyShould) {
    gameState = 0;
    handleKeyDown('p');
    EXPECT_FALSE(world->paused) << "title screen";
    gameState = 1;
    world->score = 300;
    setView(false);
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
    ASSERT_TRUE(world->won && world->player->invincible) << "the win makes the ship invincible";
    handleKeyDown('p');
    ASSERT_TRUE(world->paused) << "while won the game, and the pause key, go on";
    handleKeyDown('r');
    EXPECT_TRUE(!world->won && world->paused);
    EXPECT_FALSE(world->player->invincible) << "the menu shows invincibility off";
    // With the option on, a lost game's successor keeps it.
    handleKeyDown('i');
    world->gameOver = true;
    handleKeyDown('r');
    EXPECT_TRUE(world->player->invincible && optInvincible);
}

// (The credits' scroll while won, and its reset, are the play-through GL test's.)
TEST_F(ScreensFlow, HudStateKeepsTheCursorWhilePausedAndResetsItOnceRunning) {
    handleKeyDown('p');
    press("dd");
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 2) << "kept while paused";
    handleKeyDown('p');
    updateHudState(*overlay, *world);
    EXPECT_EQ(overlay->menuIndex, 0) << "back to the first item once running";
}

}  // namespace

TEST_F(ScreensFlow, FocusLossPausesOnlyARunningGame) {
    handleFocusLost();
    EXPECT_TRUE(world->paused) << "running";
    handleFocusLost();
    EXPECT_TRUE(world->paused) << "a paused game stays paused";
    world->paused = false;
    world->won = true;
    handleFocusLost();
    EXPECT_FALSE(world->paused) << "won";
    world->won = false;
    world->gameOver = true;
    handleFocusLost();
    EXPECT_FALSE(world->paused) << "game over";
    world->gameOver = false;
    gameState = 0;
    handleFocusLost();
    EXPECT_FALSE(world->paused) << "title";
}

TEST_F(ScreensFlow, OnlyThePlayersOwnOptionChangesCountAsChoices) {
    const unsigned long before = optionChoicesMade();
    for (unsigned char key : {'f', 'c', '2', '3'}) handleKeyDown(key);
    handleSpecialUp(KeyF1);
    EXPECT_EQ(optionChoicesMade(), before + 5);
    handleKeyDown('i');
    world->gameOver = true;
    handleKeyDown('r');  // the restart's cockpit view is the rules'
    EXPECT_TRUE(optView);
    EXPECT_EQ(optionChoicesMade(), before + 5);
    handleKeyDown('p');
    press("l");
    press("ddd");
    press("l");  // invincibility
    EXPECT_EQ(optionChoicesMade(), before + 6);
}
