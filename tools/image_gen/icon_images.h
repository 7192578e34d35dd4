#pragma once
#include <string>

// The sizes, in pixels, of the square desktop icons.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Writes "<iconRoot>/<n>x<n>/apps/veltrane.png" for every icon size: the
// title's chrome "V" over a rounded plate of the game's star field, read from
// the sky face already written into `dataDir`. False when that face is missing
// or a file cannot be written.
bool writeIconImages(const std::string& dataDir, const std::string& iconRoot);
