#pragma once

// Registers the game's GLUT callbacks on the current window.
void registerCallbacks();
// Releases, for the game, keys let go while the window had no focus (their
// release never reached it). Called once a frame, before the flags are read.
void releaseKeysLetGo();
