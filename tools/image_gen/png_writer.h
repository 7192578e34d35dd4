#pragma once
#include <cstdint>
#include <string>
#include <vector>

// 8-bit RGBA PNG through libpng, rows top first. No time stamp is written, so
// the same pixels always give the same file. False on an I/O error.
bool writePngRgba(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);
