#include "rgb_image.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

std::uint8_t toByte(float v)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

// One box-blur pass along rows (dx = 1) or columns (dy = 1).
void boxPass(const std::vector<float>& in, std::vector<float>& out, int w, int h, int radius, bool alongRows)
{
    const int lines = alongRows ? h : w;
    const int length = alongRows ? w : h;
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int line = 0; line < lines; ++line) {
        auto index = [&](int i) {
            return alongRows ? static_cast<std::size_t>(line) * w + i : static_cast<std::size_t>(i) * w + line;
        };
        auto value = [&](int i) { return (i < 0 || i >= length) ? 0.0f : in[index(i)]; };
        float sum = 0.0f;
        for (int i = -radius; i <= radius; ++i) sum += value(i);
        for (int i = 0; i < length; ++i) {
            out[index(i)] = sum * scale;
            sum += value(i + radius + 1) - value(i - radius);
        }
    }
}

}  // namespace

std::vector<std::uint8_t> RgbImage::toBytes() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(texels.size() * 3);
    for (const Colour& c : texels) {
        bytes.push_back(toByte(c.r));
        bytes.push_back(toByte(c.g));
        bytes.push_back(toByte(c.b));
    }
    return bytes;
}

GrayMask GrayMask::blurred(int radius) const
{
    GrayMask result = *this;
    std::vector<float> scratch(values.size());
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(result.values, scratch, w, h, radius, true);
        boxPass(scratch, result.values, w, h, radius, false);
    }
    return result;
}

bool writePpm(const std::string& path, const RgbImage& image)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const std::vector<std::uint8_t> bytes = image.toBytes();
    std::fprintf(file, "P6\n%d %d\n255\n", image.width(), image.height());
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

RgbImage readPpm(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return RgbImage(0, 0);
    int width = 0, height = 0, maxValue = 0;
    // The single whitespace byte after the maximum value ends the header.
    const bool header = std::fscanf(file, "P6 %d %d %d", &width, &height, &maxValue) == 3 && maxValue == 255 &&
                        width > 0 && height > 0 && width <= 16384 && height <= 16384 && std::fgetc(file) != EOF;
    std::vector<std::uint8_t> bytes(header ? static_cast<std::size_t>(width) * height * 3 : 0);
    const bool read = header && std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    if (!read) return RgbImage(0, 0);
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* texel = &bytes[(static_cast<std::size_t>(y) * width + x) * 3];
            image.at(x, y) = {texel[0] / 255.0f, texel[1] / 255.0f, texel[2] / 255.0f};
        }
    return image;
}
