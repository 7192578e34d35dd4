#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "rgb_image.h"

// Windows BMP writers: 40-byte info header, uncompressed, bottom-up rows padded
// to 4 bytes. Row 0 of the picture is the top row, so it is written last.
// Each returns false on an I/O error.
bool writeBmp24(const std::string& path, const RgbImage& image);
// 32-bit pixels carry an opaque alpha byte.
bool writeBmp32(const std::string& path, const RgbImage& image);
// 8-bit paletted: one palette index per pixel, row 0 at the top. A full
// 256-entry table is declared with a colour count of 0, as usual; a shorter
// table declares its own size.
bool writeBmp8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
               const std::vector<Colour>& palette);
