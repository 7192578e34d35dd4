#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <tuple>

#include "gfx/bmp_reader.h"
#include "gfx/ppm_image.h"
#include "gfx/texture_upload.h"
#include "test_window.h"
#include "unit/bmp_test_files.h"

namespace {

using Texel = std::array<int, 4>;

GLint levelParameter(GLenum p, GLint level = 0) { GLint v = 0; glGetTexLevelParameteriv(GL_TEXTURE_2D, level, p, &v); return v; }
GLint integer(GLenum p) { GLint v = 0; glGetIntegerv(p, &v); return v; }

// Level 0 of the bound texture, bottom row first; a fourth component is read as 0 for 3.
std::vector<Texel> readTexels(GLenum format, int components) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(levelParameter(GL_TEXTURE_WIDTH)) * levelParameter(GL_TEXTURE_HEIGHT) * components);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, bytes.data());
    glPopClientAttrib();
    std::vector<Texel> texels(bytes.size() / components, Texel{});
    for (std::size_t i = 0; i < bytes.size(); ++i) texels[i / components][i % components] = bytes[i];
    return texels;
}

// Stored bitmap bytes (blue | green << 8 | red << 16 | alpha << 24) as the texel read back in BGR(A).
Texel bgra(std::uint32_t v, int components) { return {int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), components == 4 ? int(v >> 24) : 0}; }

// Four flat quadrants of a 300 x 200 image, so the scaler's box filter is exact at their centres.
std::uint32_t quadrants(int x, int y) { return std::array{0x223344u, 0x667788u, 0xAABBCCu, 0xEEFF10u}[(y >= 100 ? 2 : 0) + (x >= 150 ? 1 : 0)]; }

// Writes the bitmap to a file and loads it into a new bound texture, opening the window once.
template <class PixelFn>
void upload(const BmpLayout& layout, PixelFn pixel) {
    if (glutGetWindow() == 0) openTestWindow(64, 64);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    const std::string path = testing::TempDir() + "veltrane_upload_" + std::to_string(::getpid()) + ".bmp";
    ASSERT_TRUE(writeTestFile(path, makeBmp(layout, pixel)));
    loadBmpTexture(path.c_str());
    std::filesystem::remove(path);
}

}  // namespace

// The sizes come from the plan (tested without GL); here the texels must land where the plan says,
// whatever alignments the caller has set, and those are left as they were.
TEST(BmpUpload, BitmapsUploadTheirPixelsScaledPaddedPalettedOrWithAlpha) {
    upload(bmpLayout(4, 4, 16), [](int, int) { return 0u; });
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 0) << "an unreadable file leaves the texture alone";
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);

    // Scaled to 512 x 256: the scaler blends across the image, so placement is checked at quadrant centres.
    upload(bmpLayout(300, 200, 24), quadrants);
    const std::vector<Texel> scaled = readTexels(GL_BGR_EXT, 3);
    ASSERT_EQ(scaled.size(), 512u * 256u);
    for (int q = 0; q < 4; ++q) EXPECT_EQ(scaled[(64 + q / 2 * 128) * 512 + 128 + q % 2 * 256], bgra(quadrants(q % 2 * 299, q / 2 * 199), 3)) << q;

    // Odd widths pad their rows (a reader that ignores the padding skews the colour), and
    // scaled rows of 12 bytes must go up padded to 4, not to the caller's 8.
    for (auto [width, height, bits, colour, textureWidth] : {std::tuple{3, 5, 24, 0xC86432u, 4}, {5, 3, 32, 0x80FF4020u, 8}}) {
        upload(bmpLayout(width, height, bits), [colour = colour](int, int) { return colour; });
        const std::vector<Texel> texels = readTexels(bits == 32 ? GL_BGRA_EXT : GL_BGR_EXT, bits / 8);
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), textureWidth) << width;
        EXPECT_EQ(std::count(texels.begin(), texels.end(), bgra(colour, bits / 8)), 32) << width;
    }

    // A power-of-two paletted image is still expanded, as three components, keeping its colours.
    BmpLayout paletted{4, 2, 8, 0, 0, 40, std::vector<std::uint32_t>(256)};
    for (int i = 0; i < 8; ++i) paletted.palette[i] = 0x010101u * static_cast<std::uint32_t>(i * 30) ^ 0x00FF00u;
    upload(paletted, [](int x, int y) { return y * 4 + x; });
    const std::vector<Texel> texels = readTexels(GL_BGR_EXT, 3);
    ASSERT_EQ(texels.size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(texels[i], bgra(paletted.palette[i], 3)) << i;
    EXPECT_TRUE(integer(GL_UNPACK_ALIGNMENT) == 2 && integer(GL_PACK_ALIGNMENT) == 8) << "the caller's alignments stay";
    glPopClientAttrib();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(PpmUpload, TexturesOfAnyWidthUploadTheirOwnPixels) {
    if (glutGetWindow() == 0) openTestWindow(64, 64);
    const auto ppm = [](int width, int height, auto byte) {  // byte i is byte(i)
        PpmImage image;
        image.width = width, image.height = height;
        for (int i = 0; i < width * height * 3; ++i) image.pixels.push_back(static_cast<std::uint8_t>(byte(i)));
        return image;
    };
    // A flat odd-width image (200, 100, 50): rows of 15 bytes read at the default
    // alignment of 4 would start one byte late per row and rotate the colour.
    makePpmTexture(ppm(5, 3, [](int i) { return 200 >> i % 3; }), false);
    const std::vector<Texel> flat = readTexels(GL_RGB, 3);
    ASSERT_FALSE(flat.empty());
    EXPECT_EQ(std::count(flat.begin(), flat.end(), (Texel{200, 100, 50, 0})), static_cast<long>(flat.size()));
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4);

    // A power-of-two image goes up texel for texel, first file row at t = 0, with mipmaps.
    makePpmTexture(ppm(4, 2, [](int i) { return i * 10; }), true);
    const std::vector<Texel> texels = readTexels(GL_RGB, 3);
    ASSERT_EQ(texels.size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(texels[i], (Texel{i * 30, i * 30 + 10, i * 30 + 20, 0})) << i;
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH, 2), 1) << "the mipmap chain is built";
}
