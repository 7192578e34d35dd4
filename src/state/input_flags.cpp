#include "state/input_flags.h"

bool keyUp = false;
bool keyDown = false;
bool keyLeft = false;
bool keyRight = false;
bool keyFire = false;
bool pressUp = false;
bool pressDown = false;
bool pressLeft = false;
bool pressRight = false;
bool wireframe = false;
int pointerX = 0;
int pointerY = 0;

void clearPresses() {
    pressUp = false;
    pressLeft = false;
    pressRight = false;
    pressDown = false;
}

void resetInput() {
    keyUp = keyDown = keyLeft = keyRight = keyFire = false;
    clearPresses();
    wireframe = false;
    pointerX = pointerY = 0;
}
