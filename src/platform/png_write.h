#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class PngWrite { Written, NameTaken, Failed };

// Writes 8-bit RGB pixels, bottom row first as glReadPixels gives them, as a
// new PNG at `path`. An existing file is never replaced: NameTaken, and the
// caller picks another name. On Failed the reason is in `error` and no part
// of the file is left behind.
PngWrite writeNewPngRgb(const std::string& path, int width, int height,
                        const std::vector<std::uint8_t>& rgbBottomUp, std::string& error);
