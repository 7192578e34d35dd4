#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "gfx/bmp_reader.h"
#include "unit/bmp_test_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t gradient(int x, int y) { return static_cast<std::uint32_t>(x * 16 + y) * 0x01030507u; }
int column(int x, int) { return x; }
bool parse(const Bytes& bytes, BmpFile& out, const char** reason = nullptr) { return parseBmp(bytes.data(), bytes.size(), out, reason); }
Bytes patched(Bytes b, std::size_t at, std::uint32_t value) { putU32(b, at, value); return b; }

// The file with `gap` bytes of 0x55 before its pixel rows, the pixel offset moved to match.
Bytes withGap(Bytes bytes, std::size_t gap)
{
    const std::uint32_t start = bytes[10] | bytes[11] << 8;
    bytes.insert(bytes.begin() + start, gap, 0x55);
    return patched(bytes, 10, start + static_cast<std::uint32_t>(gap));
}

} // namespace

TEST(BmpReader, LocatesPixelsOfEachAcceptedDepth)
{
    BmpFile file;
    for (int bits : {24, 32}) {
        ASSERT_TRUE(parse(makeBmp(bmpLayout(3, 2, bits), gradient), file));
        EXPECT_EQ(std::tie(file.width, file.height, file.bitCount, file.bitsOffset), std::make_tuple(3, 2, bits, 40u));
        // Both depths give 12-byte rows at width 3 (9 bytes padded, or 3 x 4).
        EXPECT_EQ(file.bits()[12], static_cast<std::uint8_t>(gradient(0, 1))) << bits;
    }
    ASSERT_TRUE(parse(makeBmp({3, 2, 8, 0, 0, 40, std::vector<std::uint32_t>(256)}, column), file));
    EXPECT_EQ(std::tie(file.paletteEntries, file.bitsOffset), std::make_tuple(256u, 1064u)) << "biClrUsed 0 means a full table";
    ASSERT_TRUE(parse(makeBmp({3, 2, 8, 2, 0, 40, {0, 0}}, column), file));
    EXPECT_EQ(std::tie(file.paletteEntries, file.bitsOffset, file.bits()[1]), std::make_tuple(2u, 48u, 1));
    // Pixels are read from the file header's offset, past a gap or a table the depth does not use.
    ASSERT_TRUE(parse(withGap(makeBmp({3, 2, 8, 2, 0, 40, {0, 0}}, column), 6), file));
    EXPECT_EQ(std::tie(file.bitsOffset, file.bits()[1]), std::make_tuple(54u, 1));
    ASSERT_TRUE(parse(withGap(makeBmp(bmpLayout(3, 2, 24), gradient), 16), file));
    EXPECT_EQ(std::tie(file.bitsOffset, file.bits()[12]), std::make_tuple(56u, static_cast<std::uint8_t>(gradient(0, 1))));
}

// Files cut short and offsets into the headers, the table or past the rows are
// the fuzz target's: it checks every accepted file's rows lie inside it.
TEST(BmpReader, RejectsFilesOutsideTheAcceptedFormLeavingThemEmptyWithAReason)
{
    std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty", {}},
        {"no BM mark", patched(makeBmp(bmpLayout(3, 2, 24), gradient), 1, 'A')},
        {"compressed", makeBmp({3, 2, 24, 0, 1, 40, {}}, gradient)},
        {"top-down rows", makeBmp(bmpLayout(3, -2, 24), gradient)},
        {"huge width", makeBmp(bmpLayout(8193, 1, 24), gradient)},
        {"table over 256 entries", makeBmp({3, 2, 8, 257, 0, 40, std::vector<std::uint32_t>(257)}, gradient)},
    };
    for (int bits : {1, 4, 16}) cases.push_back({"other depth", makeBmp(bmpLayout(3, 2, bits), gradient)});
    for (const auto& [name, bytes] : cases) {
        const char* reason = nullptr;
        BmpFile file;
        EXPECT_FALSE(parse(bytes, file, &reason)) << name;
        EXPECT_TRUE(reason != nullptr && file.info.empty()) << name;
    }
}

// Sides become powers of two, at least 2 and capped at 512 and at the GL limit.
TEST(BmpReader, PlansUnscaledUploadsOnlyForTrueColourFilesAsTheyStandAndExpandsPalettes)
{
    // width, height, bits, GL limit; then scaled, components, texture width and height.
    const int cases[][8] = {
        {256, 256, 24, 4096, 0, 3, 256, 256}, {256, 256, 24, 128, 1, 3, 128, 128}, {64, 32, 32, 4096, 0, 4, 64, 32},
        {300, 200, 32, 4096, 1, 4, 512, 256}, {513, 3, 24, 16384, 1, 3, 512, 4},    {5, 1, 24, 0, 1, 3, 2, 2},
        {64, 64, 8, 4096, 1, 3, 64, 64},  // paletted images are always expanded and scaled
    };
    for (const auto& c : cases) {
        BmpFile file;
        TextureImage image;
        ASSERT_TRUE(parse(makeBmp({c[0], c[1], c[2], 0, 0, 40, std::vector<std::uint32_t>(c[2] == 8 ? 256 : 0)}, gradient), file));
        EXPECT_EQ(planBmpTexture(file, c[3], image), c[4] == 1) << c[0] << "x" << c[1];
        EXPECT_EQ(std::tie(image.format, image.components, image.width, image.height),
                  std::make_tuple(c[5] == 4 ? kBmpFormatBgra : kBmpFormatBgr, c[5], c[6], c[7])) << c[0] << "x" << c[1];
    }

    const int indices[2][3] = {{0, 1, 2}, {2, 7, 0}};  // 7 lies past the table: black
    BmpFile file;
    ASSERT_TRUE(parse(makeBmp({3, 2, 8, 3, 0, 40, {0xA1B2C3, 0x010203, 0x7F8081}}, [&](int x, int y) { return indices[y][x]; }), file));
    const Bytes expected = {0xC3, 0xB2, 0xA1, 0x03, 0x02, 0x01, 0x81, 0x80, 0x7F, 0, 0, 0,
                            0x81, 0x80, 0x7F, 0x00, 0x00, 0x00, 0xC3, 0xB2, 0xA1, 0, 0, 0};
    EXPECT_EQ(expandBmpPalette(file), expected);
}
