#pragma once
// Builds Windows bitmap files in memory for the reader and upload tests.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct BmpLayout {
    int width = 4;
    int height = 4;
    int bitCount = 24;
    std::uint32_t clrUsed = 0;
    std::uint32_t compression = 0;
    std::uint32_t infoSize = 40;
    // Colour table entries written (blue, green, red, 0); for 8 bits only.
    std::vector<std::uint32_t> palette;
};

inline BmpLayout bmpLayout(int width, int height, int bitCount)
{
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    return layout;
}

inline void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::size_t testRowBytes(int width, int bitCount)
{
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

// `pixel(x, y)` gives the stored bytes of one pixel: an index for 8 bits, or
// blue | green << 8 | red << 16 | alpha << 24. Row padding is filled with 0xEE
// so that reading it as a pixel shows.
template <class PixelFn>
std::vector<std::uint8_t> makeBmp(const BmpLayout& layout, PixelFn pixel)
{
    const std::size_t paletteBytes = layout.bitCount == 8 ? layout.palette.size() * 4 : 0;
    const std::size_t row = testRowBytes(layout.width, layout.bitCount);
    const int rows = layout.height < 0 ? -layout.height : layout.height;
    const std::size_t pixelStart = 14 + 40 + paletteBytes;
    std::vector<std::uint8_t> out(pixelStart + row * rows, 0);
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<std::uint32_t>(out.size()));
    putU32(out, 10, static_cast<std::uint32_t>(pixelStart));
    putU32(out, 14, layout.infoSize);
    putU32(out, 18, static_cast<std::uint32_t>(layout.width));
    putU32(out, 22, static_cast<std::uint32_t>(layout.height));
    out[26] = 1;
    out[28] = static_cast<std::uint8_t>(layout.bitCount);
    out[29] = static_cast<std::uint8_t>(layout.bitCount >> 8);
    putU32(out, 30, layout.compression);
    putU32(out, 46, layout.clrUsed);
    for (std::size_t i = 0; i < paletteBytes / 4; ++i)
        putU32(out, 54 + i * 4, layout.palette[i] & 0xFFFFFFu);
    const int bytesPerPixel = layout.bitCount / 8;
    for (int y = 0; y < rows; ++y) {
        std::uint8_t* line = out.data() + pixelStart + y * row;
        for (std::size_t i = static_cast<std::size_t>(layout.width) * bytesPerPixel; i < row; ++i)
            line[i] = 0xEE;
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value = pixel(x, y);
            for (int b = 0; b < bytesPerPixel; ++b)
                line[x * bytesPerPixel + b] = b < 4 ? static_cast<std::uint8_t>(value >> (8 * b)) : 0;
        }
    }
    return out;
}

inline bool writeTestFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}
