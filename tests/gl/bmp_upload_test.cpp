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

struct Level {
    GLint width = 0;
    GLint height = 0;
    GLint internalFormat = 0;
    GLint alphaBits = 0;
};

Level levelOf(GLint level = 0)
{
    Level l;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &l.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &l.height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_INTERNAL_FORMAT, &l.internalFormat);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_ALPHA_SIZE, &l.alphaBits);
    return l;
}

// Level 0 of the bound texture, tightly packed, in the given format.
std::vector<std::uint8_t> readTexels(GLenum format, int components)
{
    const Level l = levelOf();
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(l.width) * l.height * components);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return texels;
}

std::array<int, 4> texel(const std::vector<std::uint8_t>& texels, int width, int components, int x, int y)
{
    std::array<int, 4> t = {0, 0, 0, 0};
    for (int c = 0; c < components; ++c)
        t[c] = texels[(static_cast<std::size_t>(y) * width + x) * components + c];
    return t;
}

class BmpUpload : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static bool windowMade = false;
        if (windowMade)
            return;
        int argc = 1;
        char name[] = "gl_tests";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(64, 64);
        glutCreateWindow("bmp_upload_test");
        windowMade = true;
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
        path = (std::filesystem::temp_directory_path() /
                ("veltrane_upload_" + std::to_string(::getpid()) + ".bmp"))
                   .string();
        ASSERT_TRUE(writeTestFile(path, bytes));
        loadBmpTexture(path.c_str());
    }

    GLuint name = 0;
    std::string path;
};

// Four flat quadrants, so the scaler's box filter is exact at the corners.
std::uint32_t quadrants(int x, int y, int width, int height)
{
    const bool right = x >= width / 2;
    const bool top = y >= height / 2;
    static const std::uint32_t colours[4] = {0x11223344u, 0x55667788u, 0x99AABBCCu, 0xDDEEFF10u};
    return colours[(top ? 2 : 0) + (right ? 1 : 0)];
}

std::array<int, 4> bgra(std::uint32_t v, int components)
{
    std::array<int, 4> t = {int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)};
    if (components == 3)
        t[3] = 0;
    return t;
}

} // namespace

TEST_F(BmpUpload, PowerOfTwoTrueColourGoesUpUnscaledFromTheFile)
{
    const auto bytes = makeBmp(bmpLayout(256, 256, 24), [](int x, int y) {
        return static_cast<std::uint32_t>(x | y << 8 | (x ^ y) << 16);
    });
    upload(bytes);
    const Level l = levelOf();
    EXPECT_EQ(l.width, 256);
    EXPECT_EQ(l.height, 256);
    EXPECT_EQ(l.alphaBits, 0);
    GLint minFilter = 0, magFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(minFilter, GL_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
    EXPECT_EQ(levelOf(1).width, 0) << "only level 0 is loaded";
    const auto texels = readTexels(GL_BGR_EXT, 3);
    EXPECT_TRUE(std::equal(texels.begin(), texels.end(), bytes.begin() + 54));
}

namespace {

// The GL scaler blends across the whole image when it magnifies (even the
// opposite edge shows at the corners), so placement is checked at the centre
// of each quadrant and exact values on flat images.
void expectQuadrantCentres(int sourceWidth, int sourceHeight, int components)
{
    const Level l = levelOf();
    const auto texels = readTexels(components == 4 ? GL_BGRA_EXT : GL_BGR_EXT, components);
    for (const int qy : {0, 1})
        for (const int qx : {0, 1}) {
            const int x = l.width / 4 + qx * l.width / 2;
            const int y = l.height / 4 + qy * l.height / 2;
            EXPECT_EQ(texel(texels, l.width, components, x, y),
                      bgra(quadrants(qx * (sourceWidth - 1), qy * (sourceHeight - 1), sourceWidth,
                                     sourceHeight),
                           components))
                << "quadrant " << qx << "," << qy;
        }
}

void expectFlat(std::uint32_t colour, int components)
{
    const Level l = levelOf();
    const auto texels = readTexels(components == 4 ? GL_BGRA_EXT : GL_BGR_EXT, components);
    int wrong = 0;
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
            wrong += texel(texels, l.width, components, x, y) != bgra(colour, components);
    EXPECT_EQ(wrong, 0) << "of " << l.width * l.height << " texels";
}

} // namespace

TEST_F(BmpUpload, ScalesToPowerOfTwoSidesCappedAt512)
{
    struct Case {
        int width, height, expectedWidth, expectedHeight;
    };
    GLint glLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glLimit);
    ASSERT_GE(glLimit, 1024) << "the cap at 512 is only visible below the GL limit";
    for (const Case c : {Case{300, 200, 512, 256}, Case{1024, 1024, 512, 512}, Case{1, 1, 2, 2},
                         Case{3, 5, 4, 8}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        // Odd widths pad their rows; a reader that ignores the padding skews the colour.
        const std::uint32_t flat = 0x00C86432u;
        upload(makeBmp(bmpLayout(c.width, c.height, 24), [&](int, int) { return flat; }));
        const Level l = levelOf();
        ASSERT_EQ(l.width, c.expectedWidth);
        ASSERT_EQ(l.height, c.expectedHeight);
        EXPECT_EQ(l.alphaBits, 0);
        expectFlat(flat, 3);
        if (c.width >= 8) {
            upload(makeBmp(bmpLayout(c.width, c.height, 24), [&](int x, int y) {
                return quadrants(x, y, c.width, c.height) & 0xFFFFFFu;
            }));
            expectQuadrantCentres(c.width, c.height, 3);
        }
    }
}

TEST_F(BmpUpload, ScaledRowsArePaddedAsTheScalerWritesThem)
{
    // A 2-pixel BGR row is 6 bytes, which the scaler pads to 8.
    const auto bytes = makeBmp(bmpLayout(1, 1, 24), [](int, int) { return 0x0A0B0Cu; });
    BmpFile file;
    ASSERT_TRUE(parseBmp(bytes.data(), bytes.size(), file));
    TextureImage image;
    ASSERT_TRUE(convertBmpForTexture(file, image, 4096));
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    ASSERT_EQ(image.pixels.size(), 16u);
    for (const std::size_t rowStart : {0u, 8u})
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(image.pixels[rowStart + i], bytes[54 + i % 3]) << rowStart + i;
}

TEST_F(BmpUpload, PalettedImagesAreExpandedAndScaledAsThreeComponents)
{
    // 3 wide: index rows of 3 bytes padded to 4, expanded rows of 9 padded to 12.
    BmpLayout s = bmpLayout(3, 2, 8);
    s.clrUsed = 2;
    s.palette = {0x102030, 0xC0B0A0};
    upload(makeBmp(s, [](int, int y) { return y; }));
    Level l = levelOf();
    ASSERT_EQ(l.width, 4);
    ASSERT_EQ(l.height, 2);
    EXPECT_EQ(l.alphaBits, 0);
    auto texels = readTexels(GL_BGR_EXT, 3);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(texel(texels, 4, 3, x, 0), bgra(0x102030, 3)) << x;
        EXPECT_EQ(texel(texels, 4, 3, x, 1), bgra(0xC0B0A0, 3)) << x;
    }

    // A power-of-two paletted image keeps its size and, scaled 1:1, its colours.
    s = bmpLayout(4, 4, 8);
    s.palette.assign(256, 0);
    for (int i = 0; i < 16; ++i)
        s.palette[i] = 0x010101u * static_cast<std::uint32_t>(i * 15) ^ 0x00FF00u;
    upload(makeBmp(s, [](int x, int y) { return y * 4 + x; }));
    l = levelOf();
    ASSERT_EQ(l.width, 4);
    ASSERT_EQ(l.height, 4);
    texels = readTexels(GL_BGR_EXT, 3);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(texel(texels, 4, 3, x, y), bgra(s.palette[y * 4 + x], 3)) << x << "," << y;
}

TEST_F(BmpUpload, ThirtyTwoBitImagesKeepTheirAlpha)
{
    const std::uint32_t flat = 0x80FF4020u;
    upload(makeBmp(bmpLayout(5, 3, 32), [&](int, int) { return flat; }));
    const Level l = levelOf();
    ASSERT_EQ(l.width, 8);
    ASSERT_EQ(l.height, 4);
    EXPECT_GT(l.alphaBits, 0);
    expectFlat(flat, 4);

    upload(makeBmp(bmpLayout(40, 24, 32), [](int x, int y) { return quadrants(x, y, 40, 24); }));
    ASSERT_EQ(levelOf().width, 64);
    ASSERT_EQ(levelOf().height, 32);
    expectQuadrantCentres(40, 24, 4);
}

TEST_F(BmpUpload, UnreadableFilesLeaveTheTextureAloneAndAlignmentIsRestored)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    testing::internal::CaptureStderr();
    upload(makeBmp(bmpLayout(4, 4, 16), [](int, int) { return 0u; }));
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    EXPECT_EQ(levelOf().width, 0);
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_NEAREST_MIPMAP_LINEAR);

    upload(makeBmp(bmpLayout(3, 3, 24), [](int, int) { return 0x123456u; }));
    EXPECT_EQ(levelOf().width, 4);
    GLint unpack = 0, pack = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    glGetIntegerv(GL_PACK_ALIGNMENT, &pack);
    EXPECT_EQ(unpack, 2);
    EXPECT_EQ(pack, 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
}

TEST_F(BmpUpload, PpmTexturesOfAnyWidthUploadTheirOwnPixels)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // A flat odd-width image: rows of 15 bytes read at the default alignment
    // of 4 would start one byte late per row and rotate the colour.
    PpmImage odd;
    odd.width = 5;
    odd.height = 3;
    for (int i = 0; i < 15; ++i)
        odd.pixels.insert(odd.pixels.end(), {200, 100, 50});
    const unsigned oddName = makePpmTexture(odd, false);
    Level l = levelOf();
    ASSERT_GT(l.width, 0);
    auto texels = readTexels(GL_RGB, 3);
    for (int i = 0; i < l.width * l.height; ++i)
        ASSERT_EQ(texel(texels, l.width, 3, i % l.width, i / l.width), (std::array<int, 4>{200, 100, 50, 0}));
    GLint unpack = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    EXPECT_EQ(unpack, 4);

    // A power-of-two image goes up texel for texel, first file row at t = 0, with mipmaps.
    PpmImage square;
    square.width = 4;
    square.height = 2;
    for (int i = 0; i < 24; ++i)
        square.pixels.push_back(static_cast<std::uint8_t>(i * 10));
    const unsigned squareName = makePpmTexture(square, true);
    EXPECT_NE(squareName, oddName);
    l = levelOf();
    ASSERT_EQ(l.width, 4);
    ASSERT_EQ(l.height, 2);
    EXPECT_EQ(readTexels(GL_RGB, 3), square.pixels);
    EXPECT_EQ(levelOf(2).width, 1) << "the mipmap chain is built";
    GLint wrapS = 0, minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(wrapS, GL_REPEAT);
    EXPECT_EQ(minFilter, GL_NEAREST_MIPMAP_LINEAR);

    // An empty image gives a name without an image.
    const unsigned emptyName = makePpmTexture(PpmImage{}, false);
    EXPECT_NE(emptyName, 0u);
    EXPECT_EQ(levelOf().width, 0);

    // A missing file: the loader's line on standard error, and again no image.
    testing::internal::CaptureStderr();
    const unsigned missingName = loadPpmTexture("veltrane_no_such_file.ppm");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "veltrane_no_such_file.ppm: No such file or directory\n");
    EXPECT_EQ(levelOf().width, 0);

    const GLuint names[] = {oddName, squareName, emptyName, missingName};
    glDeleteTextures(4, names);
}
