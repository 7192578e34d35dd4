#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

#include "app/input.h"
#include "app/options.h"
#include "game_window.h"

namespace {
// Turns the main loop for a while, calling `check` after every drawn frame.
void holdFor(double seconds, const std::function<void()>& check) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long long seen = framesDrawn;
    while (std::chrono::steady_clock::now() < end) {
        mainLoopTurn();
        if (framesDrawn != seen) {
            seen = framesDrawn;
            check();
        }
    }
}
}  // namespace

// X11 auto-repeats a held key as release/press pairs (or repeated presses);
// the game must see one press and one release, or a held fire key would
// flicker off and a held space on the title screen would start firing.
TEST(KeyRepeat, AHeldKeyGivesOnePressAndOneRelease) {
    if (std::system("command -v xdotool >/dev/null") != 0) GTEST_SKIP() << "xdotool missing";
    startGameForTest();
    runFrames(2);
    ASSERT_EQ(std::system("xdotool search --sync --name '^Veltrane$' windowfocus --sync"), 0);
    holdFor(0.3, [] {});

    // Held well past the server's repeat delay on the title screen: the one
    // press starts the game, and no repeat reaches it as a second press.
    ASSERT_EQ(std::system("xdotool keydown space"), 0);
    int framesFiring = 0;
    holdFor(1.5, [&] { framesFiring += keyFire; });
    EXPECT_EQ(gameState, 1);
    EXPECT_EQ(framesFiring, 0);
    ASSERT_EQ(std::system("xdotool keyup space"), 0);
    holdFor(0.3, [] {});

    // Held in the game: the fire key stays down on every frame until released.
    ASSERT_EQ(std::system("xdotool keydown space"), 0);
    holdFor(0.2, [] {});
    int framesHeld = 0;
    int framesDropped = 0;
    holdFor(1.5, [&] { (keyFire ? framesHeld : framesDropped) += 1; });
    ASSERT_EQ(std::system("xdotool keyup space"), 0);
    holdFor(0.3, [] {});
    EXPECT_GT(framesHeld, 10);
    EXPECT_EQ(framesDropped, 0);
    EXPECT_FALSE(keyFire);
}
