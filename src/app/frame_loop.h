#pragma once
#include <cstdint>
#include <optional>

// The window's size unless -geometry gives another.
constexpr int kDefaultWindowSize = 500;
// The size given to glViewport every frame: the window's, which is the
// screen's in full screen.
extern int viewportWidth;
extern int viewportHeight;
extern bool fullScreenApplied;
// The window's x, y, width and height just before it went full screen.
extern int savedWindowRect[4];
// Frames completed since start-up (tests watch it).
extern long long framesDrawn;
// The last frame's work before its pacing sleep, in nanoseconds (tests watch it).
extern long long lastFrameWorkNs;

// The display callback. Smooth (the default): a picture as often as the
// display shows one, a tick whenever one is due (every 50 ms). Classic: one
// tick and one picture per frame, paced to 50 ms, as the game always ran.
void displayFrame();
void useClassicFrames(bool classic);
// Pictures at most one per period (0: as fast as the swap allows).
void useSmoothPacing(std::int64_t picturePeriodNs);
// The idle callback: asks for the next frame, or leaves the main loop once a
// quit signal has come.
void idleFrame();
// The reshape callback: the picture follows the window's real size.
void reshapeWindow(int width, int height);
// Applies a pending full-screen change to the window and the viewport size:
// the game's option, or the override while one is set (a recording played
// switches the option as it was played, but the viewer chooses the window).
void syncFullScreen();
extern std::optional<bool> fullScreenOverride;
