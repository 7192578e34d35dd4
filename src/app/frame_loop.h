#pragma once

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

// The display callback: one game step and one drawn frame, paced to 50 ms.
void displayFrame();
// The frame's work without the pacing sleep and the swap: the step, the
// world's drawing and the overlay, finished by the GL (the soak runs it flat out).
void runFrameWork();
// The idle callback: asks for the next frame, or leaves the main loop once a
// quit signal has come.
void idleFrame();
// The 2D pass that ends every frame: menu navigation, then the title screen or the HUD.
void drawOverlayPass(int width, int height, bool titleFlag);
// Window pixels, y down, for the 2D pass.
void setOverlayProjection(int width, int height);
// The reshape callback: the picture follows the window's real size.
void reshapeWindow(int width, int height);
// Applies a pending full-screen change to the window and the viewport size.
void syncFullScreen();
