#include "bmp_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint8_t toByte(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

std::uint32_t paddedRowBytes(int width, int bitCount)
{
    return ((static_cast<std::uint32_t>(width) * bitCount + 31) / 32) * 4;
}

std::vector<std::uint8_t> headers(int width, int height, int bitCount, std::uint32_t paletteEntries,
                                  std::uint32_t declaredColours)
{
    const std::uint32_t imageBytes = paddedRowBytes(width, bitCount) * static_cast<std::uint32_t>(height);
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteEntries;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageBytes);
    put32(out, 0);  // two reserved words
    put32(out, pixelOffset);

    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    put16(out, 1);                                    // planes
    put16(out, static_cast<std::uint32_t>(bitCount));
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, declaredColours);
    put32(out, 0);  // all colours important
    return out;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool writeTrueColour(const std::string& path, const RgbImage& image, int bitCount)
{
    std::vector<std::uint8_t> out = headers(image.width(), image.height(), bitCount, 0, 0);
    const std::uint32_t rowBytes = paddedRowBytes(image.width(), bitCount);
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width(); ++x) {
            const Colour& c = image.at(x, y);
            out.push_back(toByte(c.b));
            out.push_back(toByte(c.g));
            out.push_back(toByte(c.r));
            if (bitCount == 32) out.push_back(255);
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return writeFile(path, out);
}

}  // namespace

bool writeBmp24(const std::string& path, const RgbImage& image) { return writeTrueColour(path, image, 24); }

bool writeBmp32(const std::string& path, const RgbImage& image) { return writeTrueColour(path, image, 32); }

bool writeBmp8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
               const std::vector<Colour>& palette)
{
    const auto entries = static_cast<std::uint32_t>(palette.size());
    std::vector<std::uint8_t> out = headers(width, height, 8, entries, entries == 256 ? 0 : entries);
    for (const Colour& c : palette) {
        out.push_back(toByte(c.b));
        out.push_back(toByte(c.g));
        out.push_back(toByte(c.r));
        out.push_back(0);
    }
    const std::uint32_t rowBytes = paddedRowBytes(width, 8);
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        const auto first = indices.begin() + static_cast<std::ptrdiff_t>(y) * width;
        out.insert(out.end(), first, first + width);
        out.resize(rowStart + rowBytes, 0);
    }
    return writeFile(path, out);
}
