#include <gtest/gtest.h>

#include "app/input.h"
#include "app/options.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using Input = WorldTest;

TEST_F(Input, InversionIsAppliedWhenEachEventArrives) {
    handleSpecialDown(KeyUp);
    EXPECT_TRUE(keyUp);
    handleKeyDown('c');
    ASSERT_TRUE(optInvert);
    // Released under inversion: the release clears keyDown, so the ship keeps pitching up.
    handleSpecialUp(KeyUp);
    EXPECT_TRUE(keyUp);
    EXPECT_FALSE(keyDown);
    handleSpecialDown(KeyDown);
    EXPECT_TRUE(keyUp);
    handleSpecialUp(KeyDown);
    EXPECT_FALSE(keyUp);

    // Inverted from the start: up pitches down.
    handleSpecialDown(KeyUp);
    EXPECT_TRUE(keyDown);
    EXPECT_FALSE(keyUp);
    handleSpecialUp(KeyUp);
    EXPECT_FALSE(keyDown);
}

TEST_F(Input, PressesSurviveTheirReleaseUntilTheFrameEnds) {
    handleSpecialDown(KeyLeft);
    handleSpecialUp(KeyLeft);
    EXPECT_TRUE(pressLeft);
    EXPECT_FALSE(keyLeft);
    handleKeyDown('c');
    handleSpecialDown(KeyDown);
    EXPECT_TRUE(pressDown) << "inversion never changes the menu's presses";
    EXPECT_FALSE(pressUp);
    clearPresses();
    EXPECT_FALSE(pressLeft);
    EXPECT_FALSE(pressDown);
}

TEST_F(Input, SpaceStartsTheGameWithoutFiringThenFires) {
    handleKeyDown(' ');
    EXPECT_EQ(gameState, 1);
    EXPECT_FALSE(keyFire);
    EXPECT_EQ(sounds.entries(), (std::vector<std::string>{"stop title.mp3"}));
    handleKeyDown(' ');
    EXPECT_TRUE(keyFire);
    handleKeyUp(' ');
    EXPECT_FALSE(keyFire);
}

TEST_F(Input, OptionKeysWorkInEveryState) {
    handleKeyDown('3');
    EXPECT_FALSE(optView);
    handleKeyDown('2');
    EXPECT_TRUE(optView);
    handleKeyDown('0');
    EXPECT_TRUE(wireframe);
    handleKeyDown('i');
    EXPECT_TRUE(optInvincible);
    EXPECT_TRUE(world->player->invincible);
    handleSpecialDown(KeyF1);
    EXPECT_FALSE(optFullScreen) << "full screen toggles on the release";
    handleSpecialUp(KeyF1);
    EXPECT_TRUE(optFullScreen);
    handleKeyDown('Q');  // upper case does nothing
}

TEST_F(Input, SkipKeyAndPauseOnlyWhilePlaying) {
    handleKeyDown('\\');
    handleKeyDown('p');
    EXPECT_FALSE(world->won);
    EXPECT_FALSE(world->paused);
    gameState = 1;
    handleKeyDown('p');
    EXPECT_TRUE(world->paused);
    handleKeyDown('p');
    handleKeyDown('\\');
    EXPECT_TRUE(world->won);
    world->gameOver = true;
    handleKeyDown('p');
    EXPECT_FALSE(world->paused);
}

TEST_F(Input, PointerFiresOnlyInTheChaseViewWhilePlaying) {
    cameraMode = 1;
    EXPECT_FALSE(handleMouseButton(true, true, 10, 10));
    cameraMode = 2;
    EXPECT_FALSE(handleMouseButton(false, true, 10, 10));
    EXPECT_FALSE(handleMouseButton(true, false, 10, 10));
    world->paused = true;
    EXPECT_FALSE(handleMouseButton(true, true, 10, 10));
    EXPECT_EQ(activePlayerBolts(), 0);
    handlePointerMotion(123, 45);
    EXPECT_EQ(pointerX, 123);
    EXPECT_EQ(pointerY, 45);
}
