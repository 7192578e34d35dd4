#pragma once

// What the keyboard and mouse handlers record between frames. Held-key flags
// last until the key's release; press flags live until the end of the next frame.
extern bool keyUp;
extern bool keyDown;
extern bool keyLeft;
extern bool keyRight;
extern bool keyFire;
extern bool pressUp;
extern bool pressDown;
extern bool pressLeft;
extern bool pressRight;
extern bool wireframe;
// The pointer in window coordinates, from the motion callbacks.
extern int pointerX;
extern int pointerY;

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
// Clears the one-frame press flags after a frame.
void clearPresses();
// Back to the start-up values (tests).
void resetInput();
