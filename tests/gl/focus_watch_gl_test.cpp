#include <gtest/gtest.h>

#include "app/window_focus.h"
#include "game_window.h"
#include "platform/focus_watch.h"
#include "state/options.h"
#include "unit/virtual_pad.h"

// Xlib after the test framework: its macros (None, Bool) would break the framework's names.
#include <GL/glx.h>

namespace {
// Windows of a client of the test's own; without a window manager the test gives the focus itself.
struct Windows {
    ~Windows() { if (display != nullptr) XCloseDisplay(display); }
    Window make(Window parent, int x) {
        const Window window = XCreateSimpleWindow(display, parent, x, 0, 50, 50, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
        return window;
    }
    Window root() const { return DefaultRootWindow(display); }
    void focus(Window window) { XSetInputFocus(display, window, RevertToParent, CurrentTime); XSync(display, False); }
    void pointerTo(int x, int y) { XWarpPointer(display, None, root(), 0, 0, 0, 0, x, y); XSync(display, False); }

    Display* display = XOpenDisplay(nullptr);
};
}  // namespace

TEST(FocusWatch, FollowsTheFocusThroughChildrenGrabsAndBriefAbsences) {
    Windows x;
    if (x.display == nullptr) GTEST_SKIP() << "no X display";
    const Window game = x.make(x.root(), 0);
    const Window child = x.make(game, 0);
    const Window other = x.make(x.root(), 100);
    x.focus(game);
    FocusWatch watch;
    ASSERT_TRUE(watch.start(nullptr, game));
    EXPECT_TRUE(watch.hasFocus());

    x.focus(child);
    watch.poll();
    EXPECT_TRUE(watch.hasFocus()) << "a child of the window types into it";
    ASSERT_EQ(XGrabKeyboard(x.display, other, False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
    XSync(x.display, False);
    watch.poll();
    EXPECT_TRUE(watch.hasFocus() && !watch.lostFocus()) << "a grab leaves the focus where it was";
    XUngrabKeyboard(x.display, CurrentTime);

    // Away for less than the polls a loss needs: as a window manager's full-screen switch does.
    x.focus(other);
    for (int i = 1; i < FocusWatch::kPollsToLoseFocus; ++i) watch.poll();
    x.focus(game);
    watch.poll();
    EXPECT_TRUE(watch.hasFocus() && !watch.lostFocus() && !watch.gainedFocus());

    x.focus(other);
    int lostOn = 0;
    for (int i = 1; i <= FocusWatch::kPollsToLoseFocus + 2; ++i) {
        watch.poll();
        if (watch.lostFocus()) lostOn = lostOn == 0 ? i : -1;
    }
    EXPECT_EQ(lostOn, FocusWatch::kPollsToLoseFocus) << "lost once, on the poll that believes it";
    EXPECT_FALSE(watch.hasFocus());
    x.focus(game);
    watch.poll();
    EXPECT_TRUE(watch.hasFocus() && watch.gainedFocus());

    // No explicit focus, no window manager: the keys go where the pointer is.
    x.focus(PointerRoot);
    x.pointerTo(10, 10);
    watch.poll();
    EXPECT_TRUE(watch.hasFocus());
    x.pointerTo(120, 10);
    for (int i = 0; i < FocusWatch::kPollsToLoseFocus; ++i) watch.poll();
    EXPECT_FALSE(watch.hasFocus());
}

// The game watches its own window from start-up, once a frame, and its pads
// act only while the window has the focus.
TEST(FocusWatch, APadBeginsTheGameOnlyWhileTheGameWindowHasTheFocus) {
    Windows x;
    if (x.display == nullptr) GTEST_SKIP() << "no X display";
    startGameForTest();
    runFrames(2);
    const Window game = static_cast<Window>(glXGetCurrentDrawable());
    x.focus(x.make(x.root(), 600));
    runFrames(FocusWatch::kPollsToLoseFocus);
    ASSERT_FALSE(windowHasFocus());

    VirtualPad pad;
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    runGameTicks(3);
    EXPECT_EQ(gameState, 0) << "Start behind another window";

    x.focus(game);
    runGameTicks(2);
    EXPECT_TRUE(windowHasFocus());
    EXPECT_EQ(gameState, 1) << "back in front, the held Start begins the game";
}
