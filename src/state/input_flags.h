#pragma once

// What the keyboard, the mouse and the gamepads record between frames.
// Held-key flags last until the key's release; press flags live until the
// end of the next frame.
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

// Clears the one-frame press flags after a frame.
void clearPresses();
// Back to the start-up values (tests).
void resetInput();
