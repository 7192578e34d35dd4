#include "app/input.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using Input = WorldTest;

TEST_F(Input, InversionIsAppliedWhenEachEventArrives) {
    handleSpecialDown(KeyUp);
    handleKeyDown('c');
    // Released under inversion: the release clears keyDown, so the ship keeps pitching up.
    handleSpecialUp(KeyUp);
    EXPECT_TRUE(keyUp && !keyDown);
    handleSpecialDown(KeyDown);
    handleSpecialUp(KeyDown);
    EXPECT_FALSE(keyUp);
    handleSpecialDown(KeyUp);
    EXPECT_TRUE(keyDown && !keyUp) << "inverted from the start, up pitches down";
}

TEST_F(Input, PressesSurviveTheirReleaseUntilTheFrameEnds) {
    handleSpecialDown(KeyLeft);
    handleSpecialUp(KeyLeft);
    EXPECT_TRUE(pressLeft && !keyLeft);
    handleKeyDown('c');
    handleSpecialDown(KeyDown);
    EXPECT_TRUE(pressDown && !pressUp) << "inversion never changes the menu's presses";
    clearPresses();
    EXPECT_FALSE(pressLeft || pressDown);
}

TEST_F(Input, SpaceStartsTheGameWithoutFiringThenFires) {
    handleKeyDown(' ');
    EXPECT_TRUE(gameState == 1 && !keyFire);
    EXPECT_EQ(sounds.entries(), (std::vector<std::string>{"stop title.mp3"}));
    handleKeyDown(' ');
    EXPECT_TRUE(keyFire);
}

TEST_F(Input, ViewKeysWorkOnTheTitleScreenAndTheSkipKeyOnlyInPlay) {
    handleKeyDown('3');
    EXPECT_FALSE(optView);
    handleKeyDown('\\');
    EXPECT_FALSE(world->won) << "title screen";
    gameState = 1;
    handleKeyDown('\\');
    EXPECT_TRUE(world->won);
}

TEST_F(Input, PointerFiresOnlyInTheChaseViewWhilePlaying) {
    cameraMode = 1;
    EXPECT_FALSE(handleMouseButton(true, true, 10, 10));
    cameraMode = 2;
    EXPECT_FALSE(handleMouseButton(true, false, 10, 10));
    world->paused = true;
    EXPECT_FALSE(handleMouseButton(true, true, 10, 10));
    EXPECT_EQ(world->nextPlayerBolt, 0) << "no bolt fired";
}
