#pragma once

#include "world/input_commands.h"

// The mouse as the window reports it. A left-button press becomes a shot
// along the line under the pointer through the picture on screen, queued for
// the next tick; returns whether one was queued. Every event moves the
// cross-hair.
bool handleMouseButton(bool leftButton, bool pressed, int x, int y);
void handlePointerMotion(int x, int y);
