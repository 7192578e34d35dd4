#pragma once

class Overlay;
class World;
struct OverlayPicture;

// The overlay's part of a tick: game flow, not drawing.

// Moves the menu cursor and switches options while paused; turns the title
// ship on the title screen. The arguments are the tick's key presses.
void navigateMenu(Overlay& overlay, bool upPressed, bool downPressed, bool rightPressed, bool leftPressed);
// Stores which screen the tick's pictures show and moves its animation on:
// the title prompt's hue, or the HUD's credits scroll and menu cursor.
void stepOverlay(Overlay& overlay, bool titleFlag);
// The HUD's own step: the menu cursor goes back to the first item whenever
// the game is not paused, and the credits scroll on while the game is won
// and start again from the top otherwise; the pictures show the offset the
// credits had before the step.
void updateHudState(Overlay& overlay, const World& world);

// The overlay as the last tick left it, for a picture at `fraction` of the step.
OverlayPicture currentOverlayPicture(float fraction);
