#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "gfx/ppm_image.h"
#include "unit/bmp_test_files.h"

namespace {

// A header followed by width x height x 3 pixel bytes whose first bytes look
// like header text, so a reader that skips whitespace or comments after the
// maximum shows up.
std::vector<std::uint8_t> ppmBytes(const std::string& header, int width, int height)
{
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    const char lead[] = "\n #9";
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height * 3; ++i)
        bytes.push_back(i < 4 ? static_cast<std::uint8_t>(lead[i]) : static_cast<std::uint8_t>(i * 7));
    return bytes;
}

} // namespace

TEST(PpmImage, AcceptsEveryHeaderFormWithPixelsRightAfterTheMaximum)
{
    const struct {
        std::string header;
        int width, height;
    } cases[] = {
        {"P6\n# made by hand\n64 32\n255\n", 64, 32}, {"P6\n64\n32 255\n", 64, 32}, {"P6\n64 32 255\n", 64, 32},
        {"P6\n64\n32\n255\n", 64, 32}, {"P6\n# a\n64\n# b\n32\n# c\n255\n", 64, 32}, {"P6\n2 1 1\n", 2, 1},
        {"P6\n64 32 255 17 trailing words\n", 64, 32}, {"P6\n\t64 32\r\n255\n", 64, 32},
        {"P6\n8192 1 255\n", 8192, 1}, {"P6\n1 8192 +255\n", 1, 8192},
        // Lines are read in pieces of 69 characters: the first piece ends after the "6".
        {"P6\n" + std::string(68, ' ') + "64 32 255\n", 6, 4},
        {"P6\n#" + std::string(67, 'x') + "\n4 2 255\n", 4, 2},  // a 69-character comment is one piece
        {"P6" + std::string(67, ' ') + "4 2 255\n", 4, 2},      // a long first line spills its tail
        // The first line is never read: here the pixel bytes that follow happen to read as numbers.
        {"P6 4 2 255\n3 1 9\n", 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        auto bytes = ppmBytes(c.header, c.width, c.height);
        bytes.push_back(0xAB);  // bytes after the pixels are ignored
        PpmImage image;
        ASSERT_TRUE(image.parse(bytes.data(), bytes.size()));
        EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(c.width, c.height));
        ASSERT_EQ(image.pixels.size(), bytes.size() - c.header.size() - 1);
        EXPECT_TRUE(std::equal(image.pixels.begin(), image.pixels.end(), bytes.begin() + c.header.size()));
    }
}

TEST(PpmImage, RejectsMalformedFilesWithAnEmptyImageAndOneLineNamingTheFile)
{
    const auto text = [](const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); };
    auto shortPixels = ppmBytes("P6\n4 2 255\n", 4, 2);
    shortPixels.pop_back();
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"empty", {}},
        {"ends after comment", text("P6\n# nothing else\n")},
        {"maximum missing", text("P6\n4 2\n")},
        {"numbers on the first line only", ppmBytes("P6 4 2 255\n", 4, 2)},
        {"blank line", ppmBytes("P6\n\n4 2 255\n", 4, 2)},
        {"blank piece after a 70-character comment", ppmBytes("P6\n#" + std::string(68, 'x') + "\n4 2 255\n", 4, 2)},
        {"tail of a long comment", ppmBytes("P6\n#" + std::string(80, 'x') + "\n4 2 255\n", 4, 2)},
        {"words", ppmBytes("P6\nwidth 4 2 255\n", 4, 2)},
        {"sign alone", ppmBytes("P6\n- 4 2 255\n", 4, 2)},
        {"NUL before numbers", ppmBytes(std::string("P6\n\0 4 2 255\n", 13), 4, 2)},
        {"maximum 256", ppmBytes("P6\n4 2 256\n", 4, 2)},
        {"maximum 0", ppmBytes("P6\n4 2 0\n", 4, 2)},
        {"width 0", ppmBytes("P6\n0 2 255\n", 0, 2)},
        {"negative height", ppmBytes("P6\n4 -2 255\n", 4, 2)},
        {"width above 8192", ppmBytes("P6\n8193 1 255\n", 8193, 1)},
        {"overflowing width", ppmBytes("P6\n99999999999999999999999 1 255\n", 1, 1)},
        {"wrapping product", ppmBytes("P6\n4294967297 1 255\n", 1, 1)},
        {"pixels one byte short", shortPixels},
    };
    const std::string path = (std::filesystem::temp_directory_path() / "veltrane_ppm_test.ppm").string();
    const auto good = ppmBytes("P6\n# file\n5 3\n255\n", 5, 3);
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const char* reason = nullptr;
        EXPECT_FALSE(PpmImage().parse(bytes.data(), bytes.size(), &reason));
        EXPECT_NE(reason, nullptr);
        ASSERT_TRUE(writeTestFile(path, good));
        PpmImage image(path.c_str());
        EXPECT_EQ(image.width, 5);
        EXPECT_TRUE(std::equal(image.pixels.begin(), image.pixels.end(), good.end() - 45));
        ASSERT_TRUE(writeTestFile(path, bytes));
        testing::internal::CaptureStderr();
        EXPECT_FALSE(image.loadPpm(path.c_str()));
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;
        EXPECT_TRUE(image.empty());
        EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(0, 0));
    }
    std::filesystem::remove(path);
    PpmImage image;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(image.loadPpm(path.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), path + ": No such file or directory\n");
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(0, 0));
}
