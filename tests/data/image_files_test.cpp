// The generated image files: names, sizes, file formats, and that the
// generator writes the same bytes every time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "image_test_files.h"

using namespace image_test;

namespace {

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

}  // namespace

TEST(ImageFiles, EveryPpmHasItsSizeAndAPlainHeader)
{
    for (const ExpectedImage& expected : expectedPpmFiles()) {
        SCOPED_TRACE(expected.name);
        const std::vector<std::uint8_t> bytes = readBytes(dataPath(expected.name));
        ASSERT_FALSE(bytes.empty());
        const std::string header =
            "P6\n" + std::to_string(expected.width) + " " + std::to_string(expected.height) + "\n255\n";
        ASSERT_GE(bytes.size(), header.size());
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(header.size())), header);
        EXPECT_EQ(bytes.size(), header.size() + static_cast<std::size_t>(expected.width) * expected.height * 3);
        EXPECT_EQ(expected.width % 4, 0);

        PpmImage image;
        ASSERT_TRUE(image.parse(bytes.data(), bytes.size()));
        EXPECT_EQ(image.width, expected.width);
        EXPECT_EQ(image.height, expected.height);
    }
}

// The capital-ship textures together must walk every path of the bitmap
// reader: each depth, a full and a short colour table, padded rows, sizes
// that are and are not powers of two.
TEST(ImageFiles, CapitalTexturesCoverEveryBitmapForm)
{
    std::set<int> depths;
    bool fullPalette = false, shortPalette = false, paddedRows = false;
    bool powerOfTwo = false, otherSize = false;
    for (const std::string& name : capitalBmpFiles()) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = readBytes(dataPath(name));
        BmpFile file;
        const char* reason = "";
        ASSERT_TRUE(parseBmp(bytes.data(), bytes.size(), file, &reason)) << reason;
        // Nothing after the last row: the file is headers, palette and rows exactly.
        EXPECT_EQ(bytes.size(), 14 + file.bitsOffset + bmpRowBytes(file.width, file.bitCount) * file.height);

        depths.insert(file.bitCount);
        if (file.bitCount == 8) (file.paletteEntries == 256 ? fullPalette : shortPalette) = true;
        paddedRows = paddedRows || bmpRowBytes(file.width, file.bitCount) != static_cast<std::size_t>(file.width) * file.bitCount / 8;
        (isPowerOfTwo(file.width) && isPowerOfTwo(file.height) ? powerOfTwo : otherSize) = true;
    }
    EXPECT_EQ(depths, (std::set<int>{8, 24, 32}));
    EXPECT_TRUE(fullPalette);
    EXPECT_TRUE(shortPalette);
    EXPECT_TRUE(paddedRows);
    EXPECT_TRUE(powerOfTwo);
    EXPECT_TRUE(otherSize);
}

TEST(ImageGenerator, SecondRunWritesIdenticalBytes)
{
    char pattern[] = "/tmp/veltrane_images_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    const std::string command = std::string("\"") + VELTRANE_BINARY_DIR + "/tools/image_gen/image_gen\" \"" +
                                folder.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::vector<std::string> names = capitalBmpFiles();
    for (const ExpectedImage& expected : expectedPpmFiles()) names.push_back(expected.name);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> original = readBytes(dataPath(name));
        ASSERT_FALSE(original.empty());
        EXPECT_TRUE(original == readBytes((folder / name).string()));
    }
    // The generator writes nothing but these files.
    std::size_t written = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++written;
    EXPECT_EQ(written, names.size());
    std::filesystem::remove_all(folder);
}
