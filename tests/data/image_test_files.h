#pragma once
// The generated data files: the images' names and sizes, and any file's bytes.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/ppm_image.h"

namespace image_test {

// Every generated image with its size; the capital-ship bitmaps (last) have theirs in their headers.
struct ExpectedImage {
    std::string name;
    int width = 0, height = 0;
};

inline std::vector<ExpectedImage> generatedImages() {
    std::vector<ExpectedImage> files = {{"particle.ppm", 64, 64},   {"square.ppm", 256, 256}, {"cubebump.ppm", 256, 256},
                                        {"title_square.ppm", 256, 256}, {"title.ppm", 512, 512}, {"credit.ppm", 256, 1024}};
    for (const char* face : {"up", "down", "front", "back", "left", "right"})
        for (const char* suffix : {"", "2"}) files.push_back({std::string("sky_") + face + suffix + ".ppm", 512, 512});
    for (int variant = 0; variant < 4; ++variant)
        for (const char* item : {"fullScreen", "nebula", "invert", "invincible", "view"})
            files.push_back({std::string("menu_") + item + std::to_string(variant) + ".ppm", 256, 32});
    for (int i = 0; i < 6; ++i) files.push_back({"capital.p_" + std::to_string(i) + ".bmp"});
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
