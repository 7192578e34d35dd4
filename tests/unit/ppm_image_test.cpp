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
    const struct { std::string header; int width, height; } cases[] = {
        {"P6\n# made by hand\n64 32\n255\n", 64, 32}, {"P6\n64\n32 255\n", 64, 32}, {"P6\n2 1 1\n", 2, 1},
        // The first line is never read: in the last case the pixel bytes that follow happen to read as numbers.
        {"P6\n# a\n64\n# b\n32\n# c\n255\n", 64, 32}, {"P6\n64 32 255 17 trailing words\n", 64, 32}, {"P6 4 2 255\n3 1 9\n", 3, 1},
        {"P6\n\t64 32\r\n255\n", 64, 32}, {"P6\n8192 1 255\n", 8192, 1}, {"P6\n1 8192 +255\n", 1, 8192},
        // Lines are read in pieces of 69 characters: the first piece ends after the "6".
        {"P6\n" + std::string(68, ' ') + "64 32 255\n", 6, 4},
        {"P6\n#" + std::string(67, 'x') + "\n4 2 255\n", 4, 2},  // a 69-character comment is one piece
        // A line that does not start with a number is passed over like a comment.
        {"P6\n#" + std::string(80, 'x') + "\n4 2 255\n", 4, 2},  // the tail of a long comment
        {"P6\n  # indented\n4\nsize 9 9\n- 9\n2 255\n", 4, 2},
        {"P6" + std::string(67, ' ') + "4 2 255\n", 4, 2},  // a long first line spills its tail
    };
    for (const auto& c : cases) {
        auto bytes = ppmBytes(c.header, c.width, c.height);
        bytes.push_back(0xAB);  // bytes after the pixels are ignored
        PpmImage image;
        ASSERT_TRUE(image.parse(bytes.data(), bytes.size())) << c.header;
        EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(c.width, c.height)) << c.header;
        EXPECT_TRUE(image.pixels.size() == bytes.size() - c.header.size() - 1 &&
                    std::equal(image.pixels.begin(), image.pixels.end(), bytes.begin() + c.header.size())) << c.header;
    }
}

TEST(PpmImage, RejectsMalformedFilesWithAnEmptyImageAndOneLineNamingTheFile)
{
    auto shortPixels = ppmBytes("P6\n4 2 255\n", 4, 2);
    shortPixels.pop_back();
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"maximum missing", ppmBytes("P6\n4 2\n", 0, 0)},
        {"numbers on the first line only", ppmBytes("P6 4 2 255\n", 4, 2)},
        {"blank line", ppmBytes("P6\n\n4 2 255\n", 4, 2)},
        {"white space line", ppmBytes("P6\n4\n \t\r\n2 255\n", 4, 2)},
        {"only words", ppmBytes("P6\nwidth 4 height 2\n", 0, 0)},
        {"blank piece after a 70-character comment", ppmBytes("P6\n#" + std::string(68, 'x') + "\n4 2 255\n", 4, 2)},
        {"maximum 256", ppmBytes("P6\n4 2 256\n", 4, 2)},
        {"overflowing width", ppmBytes("P6\n99999999999999999999999 1 255\n", 1, 1)},
        {"wrapping product", ppmBytes("P6\n4294967297 1 255\n", 1, 1)},
    };  // empty files and pixels cut short are the fuzz target's, and the loading below
    for (const auto& [name, bytes] : cases) {
        const char* reason = nullptr;
        PpmImage image;
        EXPECT_FALSE(image.parse(bytes.data(), bytes.size(), &reason)) << name;
        EXPECT_TRUE(reason != nullptr && image.empty()) << name;
    }
    // From a file: a good one loads; a malformed one leaves the image empty, even after a good
    // load, with one line naming the file; a missing one gives the system's reason.
    const std::string path = (std::filesystem::temp_directory_path() / "veltrane_ppm_test.ppm").string();
    const auto good = ppmBytes("P6\n# file\n5 3\n255\n", 5, 3);
    PpmImage image;
    ASSERT_TRUE(writeTestFile(path, good) && image.loadPpm(path.c_str()));
    EXPECT_TRUE(image.width == 5 && std::equal(image.pixels.begin(), image.pixels.end(), good.end() - 45));
    ASSERT_TRUE(writeTestFile(path, shortPixels));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(image.loadPpm(path.c_str()));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(image.empty() && message.starts_with(path + ": ") && message.find('\n') == message.size() - 1) << message;
    std::filesystem::remove(path);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(image.loadPpm(path.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), path + ": No such file or directory\n");
}
