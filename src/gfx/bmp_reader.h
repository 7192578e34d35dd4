#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Windows bitmap files: 8-bit paletted, 24-bit and 32-bit, uncompressed,
// bottom-up rows. The parsed file keeps everything after the 14-byte file
// header in one block, with the palette and the pixel data located inside it.
//
// Accepted form: "BM", the 40-byte information header at byte 14, for 8 bits
// the colour table (biClrUsed entries, or 256 when that is 0) right after it,
// and the pixel rows, each padded to 4 bytes, from the file header's pixel
// offset (bfOffBits), which must lie past the headers and the table and
// leave room for every row. Anything else is rejected.
struct BmpFile {
    std::vector<std::uint8_t> info;  // everything after the file header
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::size_t paletteOffset = 0;   // into info; valid for 8-bit images only
    std::size_t paletteEntries = 0;
    std::size_t bitsOffset = 0;      // into info: first byte of the pixel data

    const std::uint8_t* bits() const { return info.data() + bitsOffset; }
};

// A bitmap converted for upload: power-of-two size, BGR or BGRA bytes.
struct TextureImage {
    unsigned format = 0;   // GL_BGR_EXT or GL_BGRA_EXT
    int components = 0;    // 3 or 4
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// The GL enumerants of the two upload formats, kept here so that planning
// needs no GL header.
constexpr unsigned kBmpFormatBgr = 0x80E0;   // GL_BGR_EXT
constexpr unsigned kBmpFormatBgra = 0x80E1;  // GL_BGRA_EXT
// Largest width or height accepted; anything bigger is taken as corrupt.
constexpr int kBmpMaxDimension = 8192;
// Textures made from bitmaps are never larger than this on a side.
constexpr int kBmpTextureCap = 512;

// Reads a BMP file; false when it cannot be opened or is not an accepted
// bitmap, after one line naming the file on standard error.
bool loadBmpFile(const char* fileName, BmpFile& out);
// Parses a BMP file held in memory; false (and `out` empty) when it is not an
// accepted bitmap. On failure `reason`, when given, receives a short static text.
bool parseBmp(const std::uint8_t* data, std::size_t size, BmpFile& out,
              const char** reason = nullptr);

// Bytes in one stored row of `width` pixels at `bitCount` bits, padded to 4.
std::size_t bmpRowBytes(int width, int bitCount);
// The power-of-two texture side for an image side: capped at 512 and at
// `maxTextureSize`, never below 2.
int bmpTextureSize(int dimension, int maxTextureSize);
// Sets format, components, width and height of `out` for the upload.
// True when the pixels must go through the scaler; false when the file's own
// 24- or 32-bit pixels already have the target size. Touches no GL.
bool planBmpTexture(const BmpFile& file, int maxTextureSize, TextureImage& out);
// Expands 8-bit indices through the colour table into blue, green, red rows
// padded to 4 bytes. Indices past the table's end become black.
std::vector<std::uint8_t> expandBmpPalette(const BmpFile& file);
// Bytes the scaler writes for an image whose rows are padded to `alignment`.
std::size_t scaledImageBytes(int width, int height, int components, int alignment);

// Scales to a power-of-two size of at most `maxTextureSize` (capped at 512).
// Returns true when new pixels were made; false when the file's own pixels can
// be uploaded (then format, components, width and height are set). Needs a
// current GL context for the scaler; a scaler failure leaves `out.pixels` empty.
bool convertBmpForTexture(const BmpFile& file, TextureImage& out, int maxTextureSize);
// Reads, converts and uploads a BMP into level 0 of the currently bound 2D
// texture, with linear filters. An unreadable file leaves the texture as it was.
void loadBmpTexture(const char* fileName);
