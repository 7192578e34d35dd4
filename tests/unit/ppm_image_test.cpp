#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/ppm_image.h"

namespace {

// A header followed by width x height x 3 pixel bytes whose first bytes look
// like header text, so a reader that skips whitespace or comments after the
// maximum shows up.
std::vector<std::uint8_t> ppmBytes(const std::string& header, int width, int height)
{
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    const char lead[] = "\n #9";
    const std::size_t count = static_cast<std::size_t>(width) * height * 3;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(i < 4 ? static_cast<std::uint8_t>(lead[i]) : static_cast<std::uint8_t>(i * 7));
    return bytes;
}

bool parse(PpmImage& image, const std::vector<std::uint8_t>& bytes, const char** reason = nullptr)
{
    return image.parse(bytes.data(), bytes.size(), reason);
}

void expectEmpty(const PpmImage& image)
{
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
}

std::string tempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

} // namespace

TEST(PpmImage, AcceptsEveryHeaderSplitWithPixelsRightAfterTheMaximum)
{
    const char* headers[] = {
        "P6\n# made by hand\n64 32\n255\n",
        "P6\n64\n32 255\n",
        "P6\n64 32 255\n",
        "P6\n64\n32\n255\n",
        "P6\n# a\n64\n# b\n32\n# c\n255\n",
        "P6\n64 32 255 17 trailing words\n",
        "P6\n\t64 32\r\n255\n",
    };
    for (const char* header : headers) {
        SCOPED_TRACE(header);
        const auto bytes = ppmBytes(header, 64, 32);
        PpmImage image;
        ASSERT_TRUE(parse(image, bytes));
        EXPECT_EQ(image.width, 64);
        EXPECT_EQ(image.height, 32);
        ASSERT_EQ(image.pixels.size(), 6144u);
        const std::size_t start = std::string(header).size();
        EXPECT_TRUE(std::equal(image.pixels.begin(), image.pixels.end(), bytes.begin() + start));
    }
}

TEST(PpmImage, IgnoresBytesAfterThePixelsAndAcceptsTheLimits)
{
    auto bytes = ppmBytes("P6\n2 1 1\n", 2, 1);
    bytes.push_back(0xAB);
    PpmImage image;
    ASSERT_TRUE(parse(image, bytes));
    EXPECT_EQ(image.pixels.size(), 6u);

    ASSERT_TRUE(parse(image, ppmBytes("P6\n8192 1 255\n", 8192, 1)));
    EXPECT_EQ(image.width, 8192);
    ASSERT_TRUE(parse(image, ppmBytes("P6\n1 8192 +255\n", 1, 8192)));
    EXPECT_EQ(image.height, 8192);
}

TEST(PpmImage, ReadsHeaderLinesInPiecesOf69Characters)
{
    PpmImage image;
    // 68 spaces then "64 32 255": the first piece ends after the "6", so the
    // numbers read are 6, then 4 and 32 from the next piece.
    const std::string split = "P6\n" + std::string(68, ' ') + "64 32 255\n";
    ASSERT_TRUE(parse(image, ppmBytes(split, 6, 4)));
    EXPECT_EQ(image.width, 6);
    EXPECT_EQ(image.height, 4);

    // A comment of 69 characters with its newline is one piece; one more
    // character leaves a blank piece behind it, which is not allowed.
    const std::string comment69 = "P6\n#" + std::string(67, 'x') + "\n4 2 255\n";
    EXPECT_TRUE(parse(image, ppmBytes(comment69, 4, 2)));
    const std::string comment70 = "P6\n#" + std::string(68, 'x') + "\n4 2 255\n";
    EXPECT_FALSE(parse(image, ppmBytes(comment70, 4, 2)));
    // The rest of a long comment is not a comment.
    const std::string longComment = "P6\n#" + std::string(80, 'x') + "\n4 2 255\n";
    EXPECT_FALSE(parse(image, ppmBytes(longComment, 4, 2)));

    // A long first line spills its tail into the header.
    const std::string longMagic = "P6" + std::string(67, ' ') + "4 2 255\n";
    ASSERT_TRUE(parse(image, ppmBytes(longMagic, 4, 2)));
    EXPECT_EQ(image.width, 4);
}

TEST(PpmImage, NeverSeesNumbersOnTheFirstLine)
{
    PpmImage image;
    const char* reason = nullptr;
    EXPECT_FALSE(parse(image, ppmBytes("P6 4 2 255\n", 4, 2), &reason));
    expectEmpty(image);
    EXPECT_NE(reason, nullptr);
    // When the pixel bytes happen to read as numbers, the image is read wrongly.
    std::string text = "P6 4 2 255\n3 1 9\n";
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.resize(bytes.size() + 9, 0x55);
    ASSERT_TRUE(parse(image, bytes));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 1);
}

TEST(PpmImage, RejectsMalformedHeadersAndShortPixelData)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const auto text = [](const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); };
    auto shortPixels = ppmBytes("P6\n4 2 255\n", 4, 2);
    shortPixels.pop_back();
    const Case cases[] = {
        {"empty", {}},
        {"magic only", text("P6\n")},
        {"ends after comment", text("P6\n# nothing else\n")},
        {"maximum missing", text("P6\n4 2\n")},
        {"height and maximum missing", text("P6\n4\n")},
        {"blank line", ppmBytes("P6\n\n4 2 255\n", 4, 2)},
        {"blank line between numbers", ppmBytes("P6\n4 2\n\n255\n", 4, 2)},
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
        {"no pixels", text("P6\n4 2 255\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PpmImage image;
        ASSERT_TRUE(parse(image, ppmBytes("P6\n1 1 255\n", 1, 1)));
        const char* reason = nullptr;
        EXPECT_FALSE(parse(image, c.bytes, &reason));
        expectEmpty(image);
        EXPECT_NE(reason, nullptr);
    }
}

TEST(PpmImage, FileLayerReadsFilesAndReportsFailuresOnOneLine)
{
    const std::string good = tempPath("veltrane_ppm_good.ppm");
    const auto bytes = ppmBytes("P6\n# file\n5 3\n255\n", 5, 3);
    writeFile(good, bytes);
    const PpmImage loaded(good.c_str());
    EXPECT_EQ(loaded.width, 5);
    EXPECT_EQ(loaded.height, 3);
    EXPECT_TRUE(std::equal(loaded.pixels.begin(), loaded.pixels.end(), bytes.end() - 45));

    const std::string missing = tempPath("veltrane_ppm_missing.ppm");
    std::filesystem::remove(missing);
    PpmImage image;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(image.loadPpm(missing.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), missing + ": No such file or directory\n");
    expectEmpty(image);

    const std::string bad = tempPath("veltrane_ppm_bad.ppm");
    auto truncated = bytes;
    truncated.resize(truncated.size() - 10);
    writeFile(bad, truncated);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(image.loadPpm(bad.c_str()));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(message.rfind(bad + ": ", 0), 0u) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_EQ(message.back(), '\n');
    expectEmpty(image);

    std::filesystem::remove(good);
    std::filesystem::remove(bad);
}
