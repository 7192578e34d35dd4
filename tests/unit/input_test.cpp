#include <tuple>

#include "app/input.h"
#include "world/command_queue.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using Input = WorldTest;

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
    const PointerRay ray{Vec3(1.0f, 2.0f, 3.0f), Vec3(0.0f, 0.0f, -2.0f)};
    // Camera mode, paused, game over: only the last, the chase view in play, fires.
    for (auto [mode, paused, over] : {std::tuple{1, false, false}, {2, true, false}, {2, false, true}, {2, false, false}}) {
        std::tie(cameraMode, world->paused, world->gameOver) = std::tie(mode, paused, over);
        EXPECT_EQ(fireAlongRay(ray), !paused && !over && mode == 2) << mode << paused << over;
        EXPECT_EQ(world->nextPlayerBolt, !paused && !over && mode == 2);
    }
    const PlayerBolt& bolt = world->playerBolts[0];
    EXPECT_TRUE(bolt.state == Active && bolt.position.z == 3.0f && bolt.direction.z == -1.0f);
}

// Input waits for the tick in the order it came: an inversion switched
// between a press and its release decides which flag the release clears
// (here keyDown, so the ship keeps pitching up).
TEST_F(Input, QueuedInputAppliesInArrivalOrderAtTheTickWithTheInversionOfItsTime) {
    queueSpecialDown(KeyUp);
    queueKeyDown('c');
    queueSpecialUp(KeyUp);
    EXPECT_FALSE(keyUp || optInvert) << "nothing acts before the tick";
    applyQueuedCommands();
    EXPECT_TRUE(keyUp && !keyDown && optInvert && pressUp);
    EXPECT_EQ(queuedCommandCount(), 0u);
    handleSpecialDown(KeyDown);
    handleSpecialUp(KeyDown);
    EXPECT_FALSE(keyUp);
    handleSpecialDown(KeyUp);
    EXPECT_TRUE(keyDown && !keyUp) << "inverted from the start, up pitches down";
}
