#pragma once

#include "entities/vec3.h"
#include "state/input_flags.h"

// Special keys, as GLUT numbers them.
enum SpecialKey { KeyF1 = 1, KeyLeft = 100, KeyUp = 101, KeyRight = 102, KeyDown = 103 };

// What each input does to the game, applied by a tick in the order the input
// arrived (tests apply them directly). They change flags, options and the
// world; none touches the GL or the window.
void handleKeyDown(unsigned char key);
// Whether `key` pressed now starts a game: Space on the title, 'r' once the
// game is over or won (recordings start just before it acts).
bool keyStartsAGame(unsigned char key);
void handleKeyUp(unsigned char key);
void handleSpecialDown(int key);
void handleSpecialUp(int key);
// The window lost the keyboard focus: a running game pauses and shows its
// menu, as 'p' does; a paused, won or lost game and the title stay as they are.
void handleFocusLost();

// A click of the left button turned into a line through the picture on screen
// at the moment of the click: from the near plane under the pointer, towards
// the far plane.
struct PointerRay {
    Vec3 start;
    Vec3 direction;
};
// Fires one bolt along the ray when the rules allow a pointer shot: the chase
// view, the game neither paused nor over. Returns whether it fired.
bool fireAlongRay(const PointerRay& ray);
