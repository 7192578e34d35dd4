#pragma once
#include <string>

#include "rgb_image.h"

// "title.ppm": the game's name as glowing metal letters on black, upper third only.
bool writeTitleImage(const std::string& outDir);

// "credit.ppm": the scrolling credits, white and gold text on black.
bool writeCreditImage(const std::string& outDir);

// The chrome of the title's letters across their height: `v` runs from 0 at
// the top of a capital to 1 at the baseline. The icons shade their letter with it.
Colour titleChrome(float v);
