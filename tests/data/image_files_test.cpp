// The generated image files: names, sizes, file formats, and that the
// generator writes the same bytes every time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "image_test_files.h"

using namespace image_test;

TEST(ImageFiles, EveryPpmHasItsSizeAndAPlainHeader)
{
    for (const ExpectedImage& expected : generatedImages()) {
        if (expected.width == 0) continue;
        SCOPED_TRACE(expected.name);
        const std::vector<std::uint8_t> bytes = readData(expected.name);
        const std::string header =
            "P6\n" + std::to_string(expected.width) + " " + std::to_string(expected.height) + "\n255\n";
        ASSERT_EQ(bytes.size(), header.size() + static_cast<std::size_t>(expected.width) * expected.height * 3);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(header.size())), header);
        EXPECT_EQ(expected.width % 4, 0);
        PpmImage image;
        ASSERT_TRUE(image.parse(bytes.data(), bytes.size()));
        EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(expected.width, expected.height));
    }
}

// The capital-ship textures together must walk every path of the bitmap reader:
// each depth, a full and a short colour table, sizes that are and are not powers of two.
TEST(ImageFiles, CapitalTexturesCoverEveryBitmapForm)
{
    std::set<int> depths;
    std::set<bool> fullPalette, powerOfTwo;
    for (const ExpectedImage& expected : generatedImages()) {
        if (expected.width != 0) continue;
        SCOPED_TRACE(expected.name);
        const std::vector<std::uint8_t> bytes = readData(expected.name);
        BmpFile file;
        const char* reason = "";
        ASSERT_TRUE(parseBmp(bytes.data(), bytes.size(), file, &reason)) << reason;
        // Nothing after the last row: the file is headers, palette and rows exactly.
        EXPECT_EQ(bytes.size(), 14 + file.bitsOffset + bmpRowBytes(file.width, file.bitCount) * file.height);
        depths.insert(file.bitCount);
        if (file.bitCount == 8) fullPalette.insert(file.paletteEntries == 256);
        powerOfTwo.insert(((file.width & (file.width - 1)) | (file.height & (file.height - 1))) == 0);
    }
    EXPECT_EQ(depths, (std::set<int>{8, 24, 32}));
    EXPECT_EQ(fullPalette, (std::set<bool>{false, true}));
    EXPECT_EQ(powerOfTwo, (std::set<bool>{false, true}));
}

TEST(ImageGenerator, SecondRunWritesIdenticalBytes)
{
    char pattern[] = "/tmp/veltrane_images_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    const std::string command =
        std::string("\"") + VELTRANE_BINARY_DIR + "/tools/image_gen/image_gen\" \"" + folder.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<ExpectedImage> files = generatedImages();
    for (const ExpectedImage& file : files) {
        SCOPED_TRACE(file.name);
        const std::vector<std::uint8_t> original = readData(file.name);
        ASSERT_FALSE(original.empty());
        EXPECT_TRUE(original == readBytes((folder / file.name).string()));
    }
    // The generator writes nothing but these files.
    const auto entries = std::filesystem::directory_iterator(folder);
    EXPECT_EQ(static_cast<std::size_t>(std::distance(begin(entries), end(entries))), files.size());
    std::filesystem::remove_all(folder);
}
