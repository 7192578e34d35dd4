#pragma once
#include <string>

// The twenty options-menu rows "menu_<item><N>.ppm": for each item, N = 0 on,
// 1 off, 2 on and selected, 3 off and selected.
bool writeMenuImages(const std::string& outDir);
