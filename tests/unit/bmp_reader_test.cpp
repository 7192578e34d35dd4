#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/bmp_reader.h"
#include "unit/bmp_test_files.h"

namespace {

std::uint32_t gradient(int x, int y)
{
    return static_cast<std::uint32_t>(x * 16 + y) * 0x01030507u;
}

bool parse(const std::vector<std::uint8_t>& bytes, BmpFile& out, const char** reason = nullptr)
{
    return parseBmp(bytes.data(), bytes.size(), out, reason);
}

} // namespace

TEST(BmpReader, LocatesPixelsOfEachAcceptedDepth)
{
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        const auto bytes = makeBmp(bmpLayout(3, 2, bits), gradient);
        BmpFile file;
        ASSERT_TRUE(parse(bytes, file));
        EXPECT_EQ(file.width, 3);
        EXPECT_EQ(file.height, 2);
        EXPECT_EQ(file.bitCount, bits);
        EXPECT_EQ(file.bitsOffset, 40u);
        EXPECT_EQ(file.info.size(), bytes.size() - 14);
        EXPECT_EQ(file.bits()[0], bytes[54]);
        // Both depths give 12-byte rows at width 3 (9 bytes padded, or 3 x 4).
        EXPECT_EQ(file.bits()[12], static_cast<std::uint8_t>(gradient(0, 1)));
    }

    BmpLayout paletted = bmpLayout(3, 2, 8);
    paletted.palette.assign(256, 0x102030);
    BmpFile file;
    ASSERT_TRUE(parse(makeBmp(paletted, [](int x, int) { return x; }), file));
    EXPECT_EQ(file.paletteEntries, 256u) << "biClrUsed 0 means a full table";
    EXPECT_EQ(file.paletteOffset, 40u);
    EXPECT_EQ(file.bitsOffset, 40u + 1024u);

    paletted.clrUsed = 2;
    paletted.palette.assign(2, 0x102030);
    ASSERT_TRUE(parse(makeBmp(paletted, [](int x, int) { return x; }), file));
    EXPECT_EQ(file.paletteEntries, 2u);
    EXPECT_EQ(file.bitsOffset, 48u);
    EXPECT_EQ(file.bits()[1], 1);
}

TEST(BmpReader, RejectsFilesOutsideTheAcceptedForm)
{
    const auto good = makeBmp(bmpLayout(3, 2, 24), gradient);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    auto withLayout = [](BmpLayout s) { return makeBmp(s, gradient); };
    BmpLayout s = bmpLayout(3, 2, 24);
    std::vector<Case> cases = {
        {"empty", {}},
        {"file header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 14)},
        {"info header cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 53)},
        {"one pixel byte short", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
    };
    auto wrongMark = good;
    wrongMark[1] = 'A';
    cases.push_back({"no BM mark", wrongMark});
    s.infoSize = 108;
    cases.push_back({"V4 header", withLayout(s)});
    s = bmpLayout(3, 2, 24);
    s.compression = 1;
    cases.push_back({"compressed", withLayout(s)});
    for (int bits : {1, 4, 16, 0, 48})
        cases.push_back({"other depth", withLayout(bmpLayout(3, 2, bits))});
    cases.push_back({"zero height", withLayout(bmpLayout(3, 0, 24))});
    cases.push_back({"top-down rows", withLayout(bmpLayout(3, -2, 24))});
    cases.push_back({"zero width", withLayout(bmpLayout(0, 2, 24))});
    auto negativeWidth = good;
    putU32(negativeWidth, 18, static_cast<std::uint32_t>(-3));
    cases.push_back({"negative width", negativeWidth});
    cases.push_back({"huge width", withLayout(bmpLayout(8193, 1, 8))});

    BmpLayout paletted = bmpLayout(3, 2, 8);
    paletted.clrUsed = 257;
    paletted.palette.assign(257, 0);
    cases.push_back({"table over 256 entries", withLayout(paletted)});
    paletted.clrUsed = 0;
    paletted.palette.assign(200, 0);  // 0 means 256 entries; the file holds fewer
    cases.push_back({"table beyond the file", withLayout(paletted)});
    paletted.clrUsed = 4;
    paletted.palette.assign(4, 0);
    auto lastRowCut = withLayout(paletted);
    lastRowCut.resize(lastRowCut.size() - 4);
    cases.push_back({"pixel rows beyond the file", lastRowCut});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpFile file;
        ASSERT_TRUE(parse(good, file));
        const char* reason = nullptr;
        EXPECT_FALSE(parse(c.bytes, file, &reason));
        EXPECT_NE(reason, nullptr);
        EXPECT_TRUE(file.info.empty());
        EXPECT_EQ(file.width, 0);
        EXPECT_EQ(file.height, 0);
    }
}

TEST(BmpReader, TextureSidesArePowersOfTwoCappedAt512AndTheGlLimit)
{
    struct Case {
        int side, glLimit, expected;
    };
    const Case cases[] = {
        {256, 2048, 256}, {300, 2048, 512}, {200, 2048, 256}, {1024, 2048, 512},
        {513, 16384, 512}, {1, 2048, 2},   {2, 2048, 2},     {3, 2048, 4},
        {300, 256, 256},  {100, 64, 64},   {8192, 64, 64},   {5, 0, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bmpTextureSize(c.side, c.glLimit), c.expected) << c.side << " under " << c.glLimit;
}

TEST(BmpReader, PlanUploadsOnlyUnscaledTrueColourFilesAsTheyStand)
{
    BmpFile file;
    TextureImage image;
    ASSERT_TRUE(parse(makeBmp(bmpLayout(256, 256, 24), gradient), file));
    EXPECT_FALSE(planBmpTexture(file, 4096, image));
    EXPECT_EQ(image.format, kBmpFormatBgr);
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.width, 256);
    // The same file under a GL limit of 128 has to be scaled.
    EXPECT_TRUE(planBmpTexture(file, 128, image));
    EXPECT_EQ(image.width, 128);

    ASSERT_TRUE(parse(makeBmp(bmpLayout(64, 32, 32), gradient), file));
    EXPECT_FALSE(planBmpTexture(file, 4096, image));
    EXPECT_EQ(image.format, kBmpFormatBgra);
    EXPECT_EQ(image.components, 4);

    ASSERT_TRUE(parse(makeBmp(bmpLayout(300, 200, 32), gradient), file));
    EXPECT_TRUE(planBmpTexture(file, 4096, image));
    EXPECT_EQ(image.format, kBmpFormatBgra);
    EXPECT_EQ(image.components, 4);
    EXPECT_EQ(image.width, 512);
    EXPECT_EQ(image.height, 256);

    BmpLayout paletted = bmpLayout(64, 64, 8);
    paletted.palette.assign(256, 0);
    ASSERT_TRUE(parse(makeBmp(paletted, gradient), file));
    EXPECT_TRUE(planBmpTexture(file, 4096, image)) << "8-bit images are always expanded and scaled";
    EXPECT_EQ(image.format, kBmpFormatBgr);
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.width, 64);
}

TEST(BmpReader, ExpandsIndicesThroughTheTableIntoPaddedBgrRows)
{
    BmpLayout s = bmpLayout(3, 2, 8);
    s.clrUsed = 3;
    s.palette = {0xA1B2C3, 0x010203, 0x7F8081};
    // Index 7 lies past the 3-entry table.
    const int indices[2][3] = {{0, 1, 2}, {2, 7, 0}};
    BmpFile file;
    ASSERT_TRUE(parse(makeBmp(s, [&](int x, int y) { return indices[y][x]; }), file));

    const auto expanded = expandBmpPalette(file);
    const std::vector<std::uint8_t> expected = {
        0xC3, 0xB2, 0xA1, 0x03, 0x02, 0x01, 0x81, 0x80, 0x7F, 0, 0, 0,
        0x81, 0x80, 0x7F, 0x00, 0x00, 0x00, 0xC3, 0xB2, 0xA1, 0, 0, 0,
    };
    EXPECT_EQ(expanded, expected);

    ASSERT_TRUE(parse(makeBmp(bmpLayout(3, 2, 24), gradient), file));
    EXPECT_TRUE(expandBmpPalette(file).empty());
}

TEST(BmpReader, ScaledBufferCoversTheScalersRowPadding)
{
    EXPECT_EQ(scaledImageBytes(2, 2, 3, 4), 16u);  // rows of 6 bytes padded to 8
    EXPECT_EQ(scaledImageBytes(4, 2, 3, 4), 24u);
    EXPECT_EQ(scaledImageBytes(2, 2, 4, 4), 16u);
    EXPECT_EQ(scaledImageBytes(5, 1, 3, 1), 15u);
    EXPECT_EQ(scaledImageBytes(512, 512, 4, 8), 1048576u);
}

TEST(BmpReader, FileLayerReadsFilesAndReportsFailuresOnOneLine)
{
    const auto dir = std::filesystem::temp_directory_path();
    const std::string good = (dir / "veltrane_bmp_good.bmp").string();
    const auto bytes = makeBmp(bmpLayout(5, 3, 24), gradient);
    ASSERT_TRUE(writeTestFile(good, bytes));
    BmpFile file;
    ASSERT_TRUE(loadBmpFile(good.c_str(), file));
    EXPECT_EQ(file.width, 5);
    EXPECT_TRUE(std::equal(file.info.begin(), file.info.end(), bytes.begin() + 14));

    const std::string missing = (dir / "veltrane_bmp_missing.bmp").string();
    std::filesystem::remove(missing);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadBmpFile(missing.c_str(), file));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), missing + ": No such file or directory\n");
    EXPECT_TRUE(file.info.empty());

    const std::string bad = (dir / "veltrane_bmp_bad.bmp").string();
    ASSERT_TRUE(writeTestFile(bad, makeBmp(bmpLayout(5, 3, 16), gradient)));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadBmpFile(bad.c_str(), file));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(message.rfind(bad + ": ", 0), 0u) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;

    std::filesystem::remove(good);
    std::filesystem::remove(bad);
}
