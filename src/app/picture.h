#pragma once

// One picture of the game as the last tick left it, at `fraction` of the
// step since the tick before (1: the tick itself, exactly): the world while
// the game runs, then the title screen or the HUD. It changes nothing in the
// game, so it may be drawn any number of times between two ticks.
void drawPicture(float fraction);
// Window pixels, y down, for the 2D overlay.
void setOverlayProjection(int width, int height);
