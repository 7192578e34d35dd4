#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "gfx/bmp_reader.h"
#include "unit/bmp_test_files.h"

namespace {

std::uint32_t gradient(int x, int y) { return static_cast<std::uint32_t>(x * 16 + y) * 0x01030507u; }

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
        EXPECT_EQ(std::tie(file.width, file.height, file.bitCount, file.bitsOffset), std::make_tuple(3, 2, bits, 40u));
        EXPECT_EQ(file.info.size(), bytes.size() - 14);
        EXPECT_EQ(file.bits()[0], bytes[54]);
        // Both depths give 12-byte rows at width 3 (9 bytes padded, or 3 x 4).
        EXPECT_EQ(file.bits()[12], static_cast<std::uint8_t>(gradient(0, 1)));
    }
    const auto column = [](int x, int) { return x; };
    BmpFile file;
    ASSERT_TRUE(parse(makeBmp({3, 2, 8, 0, 0, 40, std::vector<std::uint32_t>(256)}, column), file));
    EXPECT_EQ(std::tie(file.paletteEntries, file.paletteOffset, file.bitsOffset), std::make_tuple(256u, 40u, 1064u))
        << "biClrUsed 0 means a full table";
    ASSERT_TRUE(parse(makeBmp({3, 2, 8, 2, 0, 40, {0, 0}}, column), file));
    EXPECT_EQ(std::tie(file.paletteEntries, file.bitsOffset), std::make_tuple(2u, 48u));
    EXPECT_EQ(file.bits()[1], 1);
}

TEST(BmpReader, RejectsFilesOutsideTheAcceptedFormWithOneLineNamingTheFile)
{
    const auto good = makeBmp(bmpLayout(3, 2, 24), gradient);  // 78 bytes
    const auto patched = [](std::vector<std::uint8_t> b, std::size_t at, std::uint32_t value) {
        putU32(b, at, value);
        return b;
    };
    const auto shorter = [](std::vector<std::uint8_t> b, std::size_t by) {
        b.resize(b.size() - by);
        return b;
    };
    std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"info header cut short", shorter(good, 25)},
        {"one pixel byte short", shorter(good, 1)},
        {"no BM mark", patched(good, 1, 'A')},
        {"V4 header", makeBmp({3, 2, 24, 0, 0, 108, {}}, gradient)},
        {"compressed", makeBmp({3, 2, 24, 0, 1, 40, {}}, gradient)},
        {"zero height", makeBmp(bmpLayout(3, 0, 24), gradient)},
        {"top-down rows", makeBmp(bmpLayout(3, -2, 24), gradient)},
        {"zero width", makeBmp(bmpLayout(0, 2, 24), gradient)},
        {"negative width", patched(good, 18, static_cast<std::uint32_t>(-3))},
        {"huge width", makeBmp(bmpLayout(8193, 1, 24), gradient)},
        {"table over 256 entries", makeBmp({3, 2, 8, 257, 0, 40, std::vector<std::uint32_t>(257)}, gradient)},
        // biClrUsed 0 means 256 entries; the file holds fewer.
        {"table beyond the file", makeBmp({3, 2, 8, 0, 0, 40, std::vector<std::uint32_t>(200)}, gradient)},
        {"pixel rows beyond the file", shorter(makeBmp({3, 2, 8, 4, 0, 40, {0, 0, 0, 0}}, gradient), 4)},
    };
    for (int bits : {0, 1, 4, 16, 48}) cases.push_back({"other depth", makeBmp(bmpLayout(3, 2, bits), gradient)});

    const std::string path = (std::filesystem::temp_directory_path() / "veltrane_bmp_test.bmp").string();
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const char* reason = nullptr;
        BmpFile file;
        EXPECT_FALSE(parse(bytes, file, &reason));
        EXPECT_NE(reason, nullptr);
        ASSERT_TRUE(writeTestFile(path, good));
        ASSERT_TRUE(loadBmpFile(path.c_str(), file));
        EXPECT_TRUE(std::equal(file.info.begin(), file.info.end(), good.begin() + 14));
        ASSERT_TRUE(writeTestFile(path, bytes));
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loadBmpFile(path.c_str(), file));
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;
        EXPECT_TRUE(file.info.empty());
        EXPECT_EQ(std::tie(file.width, file.height), std::make_tuple(0, 0));
    }
    std::filesystem::remove(path);
    BmpFile file;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadBmpFile(path.c_str(), file));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), path + ": No such file or directory\n");
}

// Sides become powers of two, at least 2 and capped at 512 and at the GL limit.
TEST(BmpReader, PlanUploadsOnlyUnscaledTrueColourFilesAsTheyStand)
{
    // width, height, bits, GL limit; then scaled, components, texture width and height.
    const int cases[][8] = {
        {256, 256, 24, 4096, 0, 3, 256, 256}, {256, 256, 24, 128, 1, 3, 128, 128}, {64, 32, 32, 4096, 0, 4, 64, 32},
        {300, 200, 32, 4096, 1, 4, 512, 256}, {513, 3, 24, 16384, 1, 3, 512, 4},    {300, 2, 24, 256, 1, 3, 256, 2},
        {100, 1, 24, 64, 1, 3, 64, 2},        {5, 1, 24, 0, 1, 3, 2, 2},
        {64, 64, 8, 4096, 1, 3, 64, 64},  // paletted images are always expanded and scaled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::vector<int>(c, c + 4)));
        BmpFile file;
        TextureImage image;
        ASSERT_TRUE(parse(makeBmp({c[0], c[1], c[2], 0, 0, 40, std::vector<std::uint32_t>(c[2] == 8 ? 256 : 0)}, gradient), file));
        EXPECT_EQ(planBmpTexture(file, c[3], image), c[4] == 1);
        EXPECT_EQ(std::tie(image.format, image.components, image.width, image.height),
                  std::make_tuple(c[5] == 4 ? kBmpFormatBgra : kBmpFormatBgr, c[5], c[6], c[7]));
    }
    EXPECT_EQ(scaledImageBytes(2, 2, 3, 4), 16u) << "the scaler pads 6-byte rows to 8";
}

TEST(BmpReader, ExpandsIndicesThroughTheTableIntoPaddedBgrRows)
{
    const int indices[2][3] = {{0, 1, 2}, {2, 7, 0}};  // 7 lies past the table
    BmpFile file;
    ASSERT_TRUE(parse(makeBmp({3, 2, 8, 3, 0, 40, {0xA1B2C3, 0x010203, 0x7F8081}}, [&](int x, int y) { return indices[y][x]; }), file));
    const std::vector<std::uint8_t> expected = {
        0xC3, 0xB2, 0xA1, 0x03, 0x02, 0x01, 0x81, 0x80, 0x7F, 0, 0, 0,
        0x81, 0x80, 0x7F, 0x00, 0x00, 0x00, 0xC3, 0xB2, 0xA1, 0, 0, 0,
    };
    EXPECT_EQ(expandBmpPalette(file), expected);
    ASSERT_TRUE(parse(makeBmp(bmpLayout(3, 2, 24), gradient), file));
    EXPECT_TRUE(expandBmpPalette(file).empty());
}
