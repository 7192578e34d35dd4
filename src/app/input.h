#pragma once

#include "state/input_flags.h"

// Special keys, as GLUT numbers them.
enum SpecialKey { KeyF1 = 1, KeyLeft = 100, KeyUp = 101, KeyRight = 102, KeyDown = 103 };

// The handlers act on flags only; the caller requests the redisplay.
void handleKeyDown(unsigned char key);
void handleKeyUp(unsigned char key);
void handleSpecialDown(int key);
void handleSpecialUp(int key);
// Returns true when the click fired a bolt.
bool handleMouseButton(bool leftButton, bool pressed, int x, int y);
void handlePointerMotion(int x, int y);
