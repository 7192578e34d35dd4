#include "gfx/bmp_reader.h"

#include <cstdio>

#include "gfx/file_bytes.h"

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kBfOffBits = 10;  // file header: where the pixel data start, from byte 0
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kPaletteEntryBytes = 4;  // blue, green, red, reserved
constexpr std::size_t kFullPalette = 256;

// Information header fields, as offsets from its start.
constexpr std::size_t kBiSize = 0;
constexpr std::size_t kBiWidth = 4;
constexpr std::size_t kBiHeight = 8;
constexpr std::size_t kBiBitCount = 14;
constexpr std::size_t kBiCompression = 16;
constexpr std::size_t kBiClrUsed = 32;

std::uint32_t readU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t readS32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(readU32(p));
}

std::uint16_t readU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool fail(BmpFile& out, const char** reason, const char* text)
{
    out = BmpFile{};
    if (reason != nullptr)
        *reason = text;
    return false;
}

} // namespace

std::size_t bmpRowBytes(int width, int bitCount)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

bool parseBmp(const std::uint8_t* data, std::size_t size, BmpFile& out, const char** reason)
{
    if (size <= kFileHeaderBytes)
        return fail(out, reason, "file too short");
    if (data[0] != 'B' || data[1] != 'M')
        return fail(out, reason, "no \"BM\" mark");
    const std::uint8_t* info = data + kFileHeaderBytes;
    const std::size_t infoSize = size - kFileHeaderBytes;
    if (infoSize < kInfoHeaderBytes)
        return fail(out, reason, "information header cut short");
    // Only the 40-byte header places the palette and pixels where we look for them.
    if (readU32(info + kBiSize) != kInfoHeaderBytes)
        return fail(out, reason, "information header is not 40 bytes");

    const std::int32_t width = readS32(info + kBiWidth);
    const std::int32_t height = readS32(info + kBiHeight);
    const int bitCount = readU16(info + kBiBitCount);
    if (width < 1 || width > kBmpMaxDimension)
        return fail(out, reason, "width out of range");
    if (height < 1 || height > kBmpMaxDimension)
        return fail(out, reason, "height out of range (top-down rows are not accepted)");
    if (bitCount != 8 && bitCount != 24 && bitCount != 32)
        return fail(out, reason, "depth is not 8, 24 or 32 bits");
    if (readU32(info + kBiCompression) != 0)
        return fail(out, reason, "compressed pixel data");

    std::size_t paletteEntries = 0;
    std::size_t headersEnd = kInfoHeaderBytes;  // counted in info, as bitsOffset is
    if (bitCount == 8) {
        const std::uint32_t used = readU32(info + kBiClrUsed);
        if (used > kFullPalette)
            return fail(out, reason, "colour table larger than 256 entries");
        paletteEntries = used == 0 ? kFullPalette : used;
        headersEnd += paletteEntries * kPaletteEntryBytes;
        if (headersEnd > infoSize)
            return fail(out, reason, "colour table beyond the end of the file");
    }
    // The pixels start where the file header says: a writer may put a colour
    // table or a gap between the headers and the rows.
    const std::uint32_t pixelOffset = readU32(data + kBfOffBits);
    if (pixelOffset < kFileHeaderBytes + headersEnd)
        return fail(out, reason, "pixel data offset points into the headers or colour table");
    if (pixelOffset > size)
        return fail(out, reason, "pixel data offset beyond the end of the file");
    const std::size_t bitsOffset = pixelOffset - kFileHeaderBytes;
    const std::size_t pixelBytes = bmpRowBytes(width, bitCount) * static_cast<std::size_t>(height);
    if (pixelBytes > infoSize - bitsOffset)
        return fail(out, reason, "pixel rows beyond the end of the file");

    out.info.assign(info, info + infoSize);
    out.width = width;
    out.height = height;
    out.bitCount = bitCount;
    out.paletteOffset = bitCount == 8 ? kInfoHeaderBytes : 0;
    out.paletteEntries = paletteEntries;
    out.bitsOffset = bitsOffset;
    return true;
}

bool loadBmpFile(const char* fileName, BmpFile& out)
{
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(fileName, bytes)) {
        out = BmpFile{};
        return false;
    }
    const char* reason = nullptr;
    if (!parseBmp(bytes.data(), bytes.size(), out, &reason)) {
        std::fprintf(stderr, "%s: not a usable BMP image: %s\n", fileName, reason);
        return false;
    }
    return true;
}

int bmpTextureSize(int dimension, int maxTextureSize)
{
    // The cap is a power of two no larger than either limit, and at least 2.
    int cap = 2;
    while (cap * 2 <= kBmpTextureCap && cap * 2 <= maxTextureSize)
        cap *= 2;
    const int wanted = dimension > cap ? cap : dimension;
    int target = 2;
    while (target < wanted)
        target *= 2;
    return target;
}

bool planBmpTexture(const BmpFile& file, int maxTextureSize, TextureImage& out)
{
    const bool alpha = file.bitCount == 32;
    out.format = alpha ? kBmpFormatBgra : kBmpFormatBgr;
    out.components = alpha ? 4 : 3;
    out.width = bmpTextureSize(file.width, maxTextureSize);
    out.height = bmpTextureSize(file.height, maxTextureSize);
    out.pixels.clear();
    // Paletted images always need expanding, so they always go through the scaler.
    const bool sameSize = out.width == file.width && out.height == file.height;
    return !(sameSize && (file.bitCount == 24 || file.bitCount == 32));
}

std::vector<std::uint8_t> expandBmpPalette(const BmpFile& file)
{
    if (file.bitCount != 8)
        return {};
    const std::size_t sourceRow = bmpRowBytes(file.width, 8);
    const std::size_t destRow = bmpRowBytes(file.width, 24);
    std::vector<std::uint8_t> expanded(destRow * static_cast<std::size_t>(file.height), 0);
    const std::uint8_t* palette = file.info.data() + file.paletteOffset;
    const std::uint8_t* indices = file.bits();
    for (int y = 0; y < file.height; ++y) {
        const std::uint8_t* from = indices + static_cast<std::size_t>(y) * sourceRow;
        std::uint8_t* to = expanded.data() + static_cast<std::size_t>(y) * destRow;
        for (int x = 0; x < file.width; ++x, to += 3) {
            const std::size_t index = from[x];
            if (index >= file.paletteEntries)
                continue;  // left black
            const std::uint8_t* entry = palette + index * kPaletteEntryBytes;
            to[0] = entry[0];
            to[1] = entry[1];
            to[2] = entry[2];
        }
    }
    return expanded;
}

std::size_t scaledImageBytes(int width, int height, int components, int alignment)
{
    const std::size_t a = alignment > 0 ? static_cast<std::size_t>(alignment) : 1;
    const std::size_t row = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
    return (row + a - 1) / a * a * static_cast<std::size_t>(height);
}
