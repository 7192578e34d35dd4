#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/bmp_reader.h"
#include "gfx/ppm_image.h"
#include "gfx/texture_upload.h"
#include "unit/bmp_test_files.h"

namespace {

using Texel = std::array<int, 4>;

GLint levelParameter(GLenum p, GLint level = 0) { GLint v = 0; glGetTexLevelParameteriv(GL_TEXTURE_2D, level, p, &v); return v; }
GLint textureParameter(GLenum p) { GLint v = 0; glGetTexParameteriv(GL_TEXTURE_2D, p, &v); return v; }
GLint integer(GLenum p) { GLint v = 0; glGetIntegerv(p, &v); return v; }

// Level 0 of the bound texture as rows of texels; a fourth component is read as 0 for 3.
std::vector<std::vector<Texel>> readTexels(GLenum format, int components)
{
    const int width = levelParameter(GL_TEXTURE_WIDTH), height = levelParameter(GL_TEXTURE_HEIGHT);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width) * height * components);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, bytes.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    std::vector<std::vector<Texel>> rows(height, std::vector<Texel>(width, Texel{}));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        rows[i / components / width][i / components % width][i % components] = bytes[i];
    return rows;
}

// Stored bitmap bytes (blue | green << 8 | red << 16 | alpha << 24) as the texel read back in BGR(A).
Texel bgra(std::uint32_t v, int components)
{
    return {int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), components == 4 ? int(v >> 24) : 0};
}

// Four flat quadrants, so the scaler's box filter is exact at their centres.
std::uint32_t quadrants(int x, int y, int width, int height)
{
    static const std::uint32_t colours[4] = {0x223344u, 0x667788u, 0xAABBCCu, 0xEEFF10u};
    return colours[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)];
}

// Every texel of level 0 against `colour(x, y)`, in stored bitmap bytes.
template <class Colour>
void expectTexels(Colour colour, int components)
{
    const auto rows = readTexels(components == 4 ? GL_BGRA_EXT : GL_BGR_EXT, components);
    int wrong = 0;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) wrong += rows[y][x] != bgra(colour(int(x), int(y)), components);
    EXPECT_EQ(wrong, 0);
}

class BmpUpload : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        int argc = 1;
        char name[] = "gl_tests", *argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutCreateWindow("bmp_upload_test");
    }
    void SetUp() override
    {
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
    }
    void TearDown() override
    {
        glDeleteTextures(1, &name);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        std::filesystem::remove(path);
    }
    // Writes the bitmap to a file and loads it into the bound texture.
    void upload(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_TRUE(writeTestFile(path, bytes));
        loadBmpTexture(path.c_str());
    }
    void expectSize(int width, int height, bool alpha)
    {
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), width);
        EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), height);
        EXPECT_EQ(levelParameter(GL_TEXTURE_ALPHA_SIZE) > 0, alpha);
    }

    GLuint name = 0;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("veltrane_upload_" + std::to_string(::getpid()) + ".bmp")).string();
};

} // namespace

// 256 x 256 goes up as it stands; other sides scale to powers of two capped at 512.
TEST_F(BmpUpload, TrueColourImagesGoUpAtPowerOfTwoSidesCappedAt512)
{
    ASSERT_GE(integer(GL_MAX_TEXTURE_SIZE), 1024) << "the cap at 512 is only visible below the GL limit";
    const int cases[][4] = {{256, 256, 256, 256}, {300, 200, 512, 256}, {1024, 1024, 512, 512}, {1, 1, 2, 2}, {3, 5, 4, 8}};
    for (const auto& c : cases) {
        const int width = c[0], height = c[1];
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        // Odd widths pad their rows; a reader that ignores the padding skews the colour.
        upload(makeBmp(bmpLayout(width, height, 24), [](int, int) { return 0xC86432u; }));
        expectSize(c[2], c[3], false);
        EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH, 1), 0) << "only level 0 is loaded";
        expectTexels([](int, int) { return 0xC86432u; }, 3);
        if (width < 8) continue;
        // The scaler blends across the whole image when it magnifies, so
        // placement is checked at the centre of each quadrant.
        const auto pattern = [&](int x, int y) { return quadrants(x, y, width, height); };
        upload(makeBmp(bmpLayout(width, height, 24), pattern));
        if (width == c[2] && height == c[3]) expectTexels(pattern, 3);  // unscaled: every texel exact
        const auto texels = readTexels(GL_BGR_EXT, 3);
        for (int q = 0; q < 4; ++q)
            EXPECT_EQ(texels[c[3] / 4 + q / 2 * c[3] / 2][c[2] / 4 + q % 2 * c[2] / 2],
                      bgra(quadrants(q % 2 * (width - 1), q / 2 * (height - 1), width, height), 3))
                << "quadrant " << q;
    }
}

TEST_F(BmpUpload, PalettedAndThirtyTwoBitImagesConvertWithTheirComponents)
{
    // A power-of-two paletted image is still expanded, as three components, keeping its colours.
    BmpLayout s{4, 2, 8, 0, 0, 40, std::vector<std::uint32_t>(256)};
    for (int i = 0; i < 8; ++i) s.palette[i] = 0x010101u * static_cast<std::uint32_t>(i * 30) ^ 0x00FF00u;
    upload(makeBmp(s, [](int x, int y) { return y * 4 + x; }));
    expectSize(4, 2, false);
    const auto texels = readTexels(GL_BGR_EXT, 3);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(texels[i / 4][i % 4], bgra(s.palette[i], 3)) << i;

    upload(makeBmp(bmpLayout(5, 3, 32), [](int, int) { return 0x80FF4020u; }));
    expectSize(8, 4, true);
    expectTexels([](int, int) { return 0x80FF4020u; }, 4);
}

TEST_F(BmpUpload, UnreadableFilesLeaveTheTextureAloneAndAlignmentIsRestored)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    testing::internal::CaptureStderr();
    upload(makeBmp(bmpLayout(4, 4, 16), [](int, int) { return 0u; }));
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 0);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR);

    // Rows of 12 bytes: the scaler must write them padded to 4, not to the caller's 8.
    upload(makeBmp(bmpLayout(3, 3, 24), [](int, int) { return 0x123456u; }));
    expectSize(4, 4, false);
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 2);
    EXPECT_EQ(integer(GL_PACK_ALIGNMENT), 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    expectTexels([](int, int) { return 0x123456u; }, 3);
}

TEST_F(BmpUpload, PpmTexturesOfAnyWidthUploadTheirOwnPixels)
{
    // A flat odd-width image: rows of 15 bytes read at the default alignment
    // of 4 would start one byte late per row and rotate the colour.
    PpmImage odd;
    odd.width = 5;
    odd.height = 3;
    for (int i = 0; i < 15; ++i) odd.pixels.insert(odd.pixels.end(), {200, 100, 50});
    const unsigned oddName = makePpmTexture(odd, false);
    ASSERT_GT(levelParameter(GL_TEXTURE_WIDTH), 0);
    for (const auto& row : readTexels(GL_RGB, 3))
        for (const Texel& t : row) ASSERT_EQ(t, (Texel{200, 100, 50, 0}));
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4);

    // A power-of-two image goes up texel for texel, first file row at t = 0, with mipmaps.
    PpmImage square;
    square.width = 4;
    square.height = 2;
    for (int i = 0; i < 24; ++i) square.pixels.push_back(static_cast<std::uint8_t>(i * 10));
    const unsigned squareName = makePpmTexture(square, true);
    ASSERT_EQ(levelParameter(GL_TEXTURE_WIDTH), 4);
    ASSERT_EQ(levelParameter(GL_TEXTURE_HEIGHT), 2);
    const auto texels = readTexels(GL_RGB, 3);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(texels[i / 4][i % 4], (Texel{i * 30, i * 30 + 10, i * 30 + 20, 0})) << i;
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH, 2), 1) << "the mipmap chain is built";
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR);

    // An empty image gives a name without an image.
    const unsigned emptyName = makePpmTexture(PpmImage{}, false);
    EXPECT_NE(emptyName, 0u);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 0);
    const GLuint names[] = {oddName, squareName, emptyName};
    glDeleteTextures(3, names);
}
