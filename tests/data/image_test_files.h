#pragma once
// The generated image files, read with the game's own readers as plain RGB rows.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/bmp_reader.h"
#include "gfx/ppm_image.h"

namespace image_test {

// Every generated file with its size; the capital-ship bitmaps (last) have theirs in their headers.
struct ExpectedImage {
    std::string name;
    int width = 0, height = 0;
};

inline std::vector<ExpectedImage> generatedImages()
{
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

inline std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::uint8_t> readData(const std::string& name) { return readBytes(VELTRANE_DATA_DIR "/" + name); }

// A decoded picture: RGB bytes, rows in stored order.
struct RgbPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

inline RgbPicture loadPpm(const std::string& name)
{
    const std::vector<std::uint8_t> bytes = readData(name);
    PpmImage image;
    image.parse(bytes.data(), bytes.size());
    return {image.width, image.height, image.pixels};
}

}  // namespace image_test
