#pragma once

#include "world/input_commands.h"

// The line under window pixel (x, y), y from the top, through the last
// picture drawn: from the near plane towards the far plane. Needs the game's
// GL context (it unprojects with GLU).
PointerRay pointerRay(int x, int y);
