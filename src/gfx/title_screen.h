#pragma once

// The prompt's hue one frame on: it grows by `step` and starts again from 0
// once it has passed 360 (360 itself is kept for one frame).
float nextTitleHue(float hue, float step);
// The file behind menu image [variant][item], e.g. "menu_nebula2.ppm".
// Writes into `name`, `size` bytes long, and returns it.
const char* menuFileName(int variant, int item, char* name, int size);
