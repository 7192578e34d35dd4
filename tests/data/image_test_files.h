#pragma once
// The generated data files: the images' names, and any file's bytes.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/ppm_image.h"

namespace image_test {

// Every image the image generator writes.
inline std::vector<std::string> generatedImages() {
    std::vector<std::string> files = {"particle.ppm", "square.ppm", "cubebump.ppm", "title_square.ppm", "title.ppm", "credit.ppm"};
    for (const char* face : {"up", "down", "front", "back", "left", "right"})
        for (const char* suffix : {"", "2"}) files.push_back(std::string("sky_") + face + suffix + ".ppm");
    for (int variant = 0; variant < 4; ++variant)
        for (const char* item : {"fullScreen", "nebula", "invert", "invincible", "view"})
            files.push_back(std::string("menu_") + item + std::to_string(variant) + ".ppm");
    for (int i = 0; i < 6; ++i) files.push_back("capital.p_" + std::to_string(i) + ".bmp");
    return files;
}

inline std::string dataPath(const std::string& name) { return VELTRANE_DATA_DIR "/" + name; }

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A generated PPM read with the game's own reader, and its pixel (x, y), rows in file order.
inline PpmImage loadPpm(const std::string& name) { return PpmImage(dataPath(name).c_str()); }
inline const std::uint8_t* texel(const PpmImage& image, int x, int y) { return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3]; }

}  // namespace image_test
