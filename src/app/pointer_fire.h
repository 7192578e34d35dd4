#pragma once

#include "world/input_commands.h"

#include "world/render_pass.h"

// The line under window pixel (x, y), y from the top, through a picture drawn
// with `view` (by default the last one drawn): from the near plane towards
// the far plane. Needs the game's GL context (it unprojects with GLU).
PointerRay pointerRay(int x, int y, const ViewMatrices& view = lastPictureView);
