#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "game_window.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/world.h"

namespace {
using Clock = std::chrono::steady_clock;

// Turns the main loop for at least `seconds` and at least `frames` drawn
// frames, calling `check` after each: both are lower bounds, so a loaded
// machine only makes the hold longer.
void holdFor(double seconds, int frames, const std::function<void()>& check = [] {}) {
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    const long long lastFrame = framesDrawn + frames;
    for (long long seen = framesDrawn; Clock::now() < end || framesDrawn < lastFrame;) {
        mainLoopTurn();
        if (std::exchange(seen, framesDrawn) != framesDrawn) check();  // a frame was drawn
    }
}

// Turns the main loop until `done` holds, for at most ten seconds.
bool await(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (Clock::now() > deadline) return false;
        mainLoopTurn();
    }
    return true;
}

// Runs xdotool with `args`: real events through XTEST.
void xdotool(const std::string& args) { ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args; }

const char* const kFocusGame = "search --sync --name '^Veltrane$' windowfocus --sync";

bool startFocusedGame() {
    if (std::system("command -v xdotool >/dev/null") != 0) return false;
    startGameForTest();
    runFrames(2);
    xdotool(kFocusGame);
    runFrames(2);
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
    xdotool("keydown space");
    ASSERT_TRUE(await([] { return gameState == 1; })) << "the press did not start the game";
    int framesFiring = 0;
    holdFor(1.5, 10, [&] { framesFiring += keyFire; });
    EXPECT_EQ(framesFiring, 0);
    xdotool("keyup space");
    holdFor(0.0, 3);

    // Held in the game: the fire key stays down on every frame until released.
    xdotool("keydown space");
    ASSERT_TRUE(await([] { return keyFire; })) << "the press did not fire";
    int framesDropped = 0;
    holdFor(1.5, 20, [&] { framesDropped += !keyFire; });
    xdotool("keyup space");
    EXPECT_TRUE(await([] { return !keyFire; })) << "the release did not stop the fire";
    EXPECT_EQ(framesDropped, 0);

    // Arrow keys come through the special-key callbacks, filtered alike: held in the menu, Down moves once.
    xdotool("key p keydown Down");
    EXPECT_TRUE(await([] { return getWorld()->paused && getOverlay()->menuIndex == 1; }));
    holdFor(1.5, 10);
    xdotool("keyup Down");
    holdFor(0.0, 3);
    EXPECT_EQ(getOverlay()->menuIndex, 1);
}

// Every real press acts, even when the release that should have ended the
// previous one came as another character or never reached the window.
TEST(KeyRepeat, EveryRealPressActs) {
    if (!startFocusedGame()) GTEST_SKIP() << "xdotool missing";
    const bool before = wireframe;

    // Shift goes down while '0' is held, so '0' comes up as ')'.
    xdotool("keydown 0");
    EXPECT_TRUE(await([&] { return wireframe != before; }));
    xdotool("keydown shift keyup 0 keyup shift key 0");
    EXPECT_TRUE(await([&] { return wireframe == before; })) << "the press after a shifted release was swallowed";

    // '0' released while the root window has the focus: the game never sees it.
    xdotool("keydown 0");
    EXPECT_TRUE(await([&] { return wireframe != before; }));
    xdotool("windowfocus --sync \"$(xwininfo -root | awk '/Window id/ {print $4}')\" keyup 0");
    holdFor(0.0, 3);  // the game's own key poll sees the key up
    xdotool(kFocusGame);
    xdotool("key 0");
    EXPECT_TRUE(await([&] { return wireframe == before; })) << "the press after a release in another window was swallowed";
}
