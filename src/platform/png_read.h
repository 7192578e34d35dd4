#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture as 8-bit red, green, blue and alpha, top row first.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Reads any PNG (palette, grey, 16-bit: libpng converts). An empty image
// (width 0) when the file is missing, damaged, or wider or taller than maxSide.
RgbaImage readPngRgba(const std::string& path, int maxSide);
