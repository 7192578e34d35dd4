#pragma once

// The size given to glViewport every frame: the window's 500 x 500, or the
// screen's size in full screen.
extern int viewportWidth;
extern int viewportHeight;
extern bool fullScreenApplied;
// The window's x, y, width and height just before it went full screen.
extern int savedWindowRect[4];
// Frames completed since start-up (tests watch it).
extern long long framesDrawn;

// The display callback: one game step and one drawn frame, paced to 50 ms.
void displayFrame();
// The idle callback: only asks for the next frame.
void idleFrame();
// The 2D pass that ends every frame: menu navigation, then the title screen or the HUD.
void drawOverlayPass(int width, int height, bool titleFlag);
// Applies a pending full-screen change to the window and the viewport size.
void syncFullScreen();
