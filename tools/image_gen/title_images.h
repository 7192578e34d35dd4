#pragma once
#include <string>

// "title.ppm": the game's name as glowing metal letters on black, upper third only.
bool writeTitleImage(const std::string& outDir);

// "credit.ppm": the scrolling credits, white and gold text on black.
bool writeCreditImage(const std::string& outDir);
