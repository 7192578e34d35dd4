#pragma once
// Builds Windows bitmap files in memory for the reader and upload tests.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

struct BmpLayout {
    int width = 4, height = 4, bitCount = 24;
    std::uint32_t clrUsed = 0, compression = 0, infoSize = 40;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB entries, written for 8 bits only
};

inline BmpLayout bmpLayout(int width, int height, int bitCount) { return {width, height, bitCount, 0, 0, 40, {}}; }

inline void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// `pixel(x, y)` gives the stored bytes of one pixel: an index for 8 bits, or
// blue | green << 8 | red << 16 | alpha << 24. Row padding is 0xEE, so reading it as a pixel shows.
template <class PixelFn>
std::vector<std::uint8_t> makeBmp(const BmpLayout& l, PixelFn pixel)
{
    const std::size_t start = 54 + (l.bitCount == 8 ? l.palette.size() * 4 : 0);
    const std::size_t row = (static_cast<std::size_t>(l.width) * l.bitCount + 31) / 32 * 4;
    const int rows = l.height < 0 ? -l.height : l.height, bytesPerPixel = l.bitCount / 8;
    std::vector<std::uint8_t> out(start + row * rows, 0xEE);
    std::fill(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(start), 0);
    const std::uint32_t fields[][2] = {{0, 'B' | 'M' << 8}, {2, static_cast<std::uint32_t>(out.size())},
                                       {10, static_cast<std::uint32_t>(start)}, {14, l.infoSize},
                                       {18, static_cast<std::uint32_t>(l.width)}, {22, static_cast<std::uint32_t>(l.height)},
                                       {26, 1u | l.bitCount << 16}, {30, l.compression}, {46, l.clrUsed}};
    for (const auto& field : fields) putU32(out, field[0], field[1]);
    for (std::size_t i = 0; i < (start - 54) / 4; ++i) putU32(out, 54 + i * 4, l.palette[i] & 0xFFFFFFu);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < l.width; ++x)
            for (int b = 0; b < bytesPerPixel; ++b)
                out[start + y * row + x * bytesPerPixel + b] =
                    static_cast<std::uint8_t>(static_cast<std::uint64_t>(pixel(x, y)) >> (8 * b));
    return out;
}

inline bool writeTestFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())));
}
