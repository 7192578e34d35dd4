#pragma once
#include <string>

// Writes the six sky faces ("sky_up.ppm" ... "sky_right.ppm") and their
// force-field alternates ("sky_up2.ppm" ...) into `outDir`. False on an I/O error.
bool writeSkyImages(const std::string& outDir);
