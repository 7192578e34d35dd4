#pragma once
#include <string>

// The prompt's hue one frame on: it grows by `step` and starts again from 0
// once it has passed 360 (360 itself is kept for one frame).
float nextTitleHue(float hue, float step);
// The file behind menu image [variant][item], e.g. "menu_nebula2.ppm".
// Writes into `name`, `size` bytes long, and returns it.
const char* menuFileName(int variant, int item, char* name, int size);
// Text shown at the top of the title screen, in white, broken into lines
// that fit the window (the game sets it when it found no data); "" for none.
void setTitleNotice(const std::string& text);
