#include "app/input.h"

#include "app/pointer_fire.h"
#include "world/command_queue.h"

bool handleMouseButton(bool leftButton, bool pressed, int x, int y) {
    pointerX = x;
    pointerY = y;
    if (!leftButton || !pressed) return false;
    queueFireAlong(pointerRay(x, y));
    return true;
}

void handlePointerMotion(int x, int y) {
    pointerX = x;
    pointerY = y;
}
