#pragma once
#include <string>

// The capital ship's six tiling textures "capital.p_0.bmp" ... "capital.p_5.bmp".
// They come in all three bitmap depths (8-bit paletted, 24-bit, 32-bit) and in
// power-of-two and other sizes, so every path of the game's bitmap reader is used.
bool writeCapitalImages(const std::string& outDir);
