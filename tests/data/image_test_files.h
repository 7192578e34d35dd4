#pragma once
// Helpers for the tests of the generated images: reading them with the
// game's own readers and turning bitmaps into plain RGB rows.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/bmp_reader.h"
#include "gfx/ppm_image.h"

namespace image_test {

struct ExpectedImage {
    std::string name;
    int width;
    int height;
};

inline std::vector<ExpectedImage> expectedPpmFiles()
{
    std::vector<ExpectedImage> files;
    for (const char* face : {"up", "down", "front", "back", "left", "right"}) {
        files.push_back({std::string("sky_") + face + ".ppm", 512, 512});
        files.push_back({std::string("sky_") + face + "2.ppm", 512, 512});
    }
    files.push_back({"particle.ppm", 64, 64});
    files.push_back({"square.ppm", 256, 256});
    files.push_back({"cubebump.ppm", 256, 256});
    files.push_back({"title_square.ppm", 256, 256});
    files.push_back({"title.ppm", 512, 512});
    files.push_back({"credit.ppm", 256, 1024});
    for (int variant = 0; variant < 4; ++variant)
        for (const char* item : {"fullScreen", "nebula", "invert", "invincible", "view"})
            files.push_back({std::string("menu_") + item + std::to_string(variant) + ".ppm", 256, 32});
    return files;
}

inline std::vector<std::string> capitalBmpFiles()
{
    std::vector<std::string> files;
    for (int i = 0; i < 6; ++i) files.push_back("capital.p_" + std::to_string(i) + ".bmp");
    return files;
}

inline std::string dataPath(const std::string& name) { return std::string(VELTRANE_DATA_DIR) + "/" + name; }

inline std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline PpmImage loadPpm(const std::string& name)
{
    const std::vector<std::uint8_t> bytes = readBytes(dataPath(name));
    PpmImage image;
    image.parse(bytes.data(), bytes.size());
    return image;
}

// A decoded picture: RGB bytes, rows in stored order.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

inline RgbPicture fromPpm(const PpmImage& image) { return {image.width, image.height, image.pixels}; }

// Expands an 8-, 24- or 32-bit bitmap through its palette into RGB.
inline RgbPicture decodeBmp(const BmpFile& file)
{
    RgbPicture picture{file.width, file.height, {}};
    const std::size_t rowBytes = bmpRowBytes(file.width, file.bitCount);
    for (int y = 0; y < file.height; ++y) {
        const std::uint8_t* row = file.bits() + rowBytes * y;
        for (int x = 0; x < file.width; ++x) {
            const std::uint8_t* bgr = file.bitCount == 8
                                          ? &file.info[file.paletteOffset + 4 * static_cast<std::size_t>(row[x])]
                                          : row + x * (file.bitCount / 8);
            picture.rgb.insert(picture.rgb.end(), {bgr[2], bgr[1], bgr[0]});
        }
    }
    return picture;
}

inline double luminance(const std::uint8_t* rgb) { return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]; }

inline double meanLuminance(const RgbPicture& picture, int x0, int y0, int x1, int y1)
{
    double sum = 0.0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) sum += luminance(picture.at(x, y));
    return sum / (static_cast<double>(x1 - x0) * (y1 - y0));
}

}  // namespace image_test
