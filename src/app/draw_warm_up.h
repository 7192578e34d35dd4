#pragma once

// A software GL such as Mesa's llvmpipe compiles a program the first time it
// meets each combination of GL state: on llvmpipe that cost the game's thread
// 40 ms in the first title frame, 65 ms in the first frame of play and 130 ms
// in the first frame with the nebula on. The warm-up draws each kind of frame
// once into the back buffer, which is cleared and never shown, so no frame of
// the game pays for the compiling. Nothing of the game changes: the world is
// drawn, not stepped, menu navigation does not run, and the GL state, the
// wireframe flag and the overlay's hue and title flag are put back.

// The title screen: cheap enough to run before the first frame.
void warmUpTitle(int width, int height);
// The world with its HUD, with and without fog, filled and in wireframe:
// run once the title is up, so the window shows without waiting for it.
void warmUpWorld(int width, int height);
