#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <utility>

#include "game_window.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/world.h"

namespace {
// Turns the main loop for a while, calling `check` after every drawn frame.
void holdFor(double seconds, const std::function<void()>& check = [] {}) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (long long seen = framesDrawn; std::chrono::steady_clock::now() < end;) {
        mainLoopTurn();
        if (std::exchange(seen, framesDrawn) != framesDrawn) check();  // a frame was drawn
    }
}

// Runs xdotool with `args` (real events through XTEST), then lets the game run for `seconds`.
void xdotool(const std::string& args, double seconds) {
    ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
    holdFor(seconds);
}

const char* const kFocusGame = "search --sync --name '^Veltrane$' windowfocus --sync";

bool startFocusedGame() {
    if (std::system("command -v xdotool >/dev/null") != 0) return false;
    startGameForTest();
    runFrames(2);
    xdotool(kFocusGame, 0.3);
    return true;
}
}  // namespace

// X11 auto-repeats a held key as release/press pairs (or repeated presses);
// the game must see one press and one release, or a held fire key would
// flicker off and a held space on the title screen would start firing.
TEST(KeyRepeat, AHeldKeyGivesOnePressAndOneRelease) {
    if (!startFocusedGame()) GTEST_SKIP() << "xdotool missing";
    // Held well past the server's repeat delay on the title screen: the one
    // press starts the game, and no repeat reaches it as a second press.
    xdotool("keydown space", 0.0);
    int framesFiring = 0;
    holdFor(1.5, [&] { framesFiring += keyFire; });
    EXPECT_EQ(gameState, 1);
    EXPECT_EQ(framesFiring, 0);
    xdotool("keyup space", 0.3);

    // Held in the game: the fire key stays down on every frame until released.
    xdotool("keydown space", 0.2);
    int framesHeld = 0, framesDropped = 0;
    holdFor(1.5, [&] { (keyFire ? framesHeld : framesDropped) += 1; });
    xdotool("keyup space", 0.3);
    EXPECT_GT(framesHeld, 10);
    EXPECT_EQ(framesDropped, 0);
    EXPECT_FALSE(keyFire);

    // Arrow keys come through the special-key callbacks, filtered alike: held in the menu, Down moves once.
    xdotool("key p keydown Down", 1.5);
    xdotool("keyup Down", 0.3);
    EXPECT_TRUE(getWorld()->paused);
    EXPECT_EQ(getOverlay()->menuIndex, 1);
}

// Every real press acts, even when the release that should have ended the
// previous one came as another character or never reached the window.
TEST(KeyRepeat, EveryRealPressActs) {
    if (!startFocusedGame()) GTEST_SKIP() << "xdotool missing";
    const bool before = wireframe;

    // Shift goes down while '0' is held, so '0' comes up as ')'.
    xdotool("keydown 0", 0.2);
    EXPECT_NE(wireframe, before);
    xdotool("keydown shift keyup 0 keyup shift", 0.2);
    xdotool("key 0", 0.2);
    EXPECT_EQ(wireframe, before) << "the press after a shifted release was swallowed";

    // '0' released while the root window has the focus: the game never sees it.
    xdotool("keydown 0", 0.2);
    EXPECT_NE(wireframe, before);
    xdotool("windowfocus --sync \"$(xwininfo -root | awk '/Window id/ {print $4}')\" keyup 0", 0.3);
    xdotool(kFocusGame, 0.2);
    xdotool("key 0", 0.2);
    EXPECT_EQ(wireframe, before) << "the press after a release in another window was swallowed";
}
