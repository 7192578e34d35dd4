#pragma once

// Fires one player bolt from the near plane along the line under the pointer,
// using the matrices of the frame on screen. Needs the game's GL context.
void firePlayerBoltAtPointer(int x, int y);
