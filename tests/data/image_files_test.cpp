// The generated files: the images' names, sizes and formats, and that both
// generators write the same bytes every time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "image_test_files.h"
#include "sound_test_files.h"

using image_test::dataPath;
using image_test::readBytes;

TEST(ImageFiles, EveryPpmHasItsSizeAndAPlainHeader) {
    for (const image_test::ExpectedImage& expected : image_test::generatedImages()) {
        if (expected.width == 0) continue;
        const std::vector<std::uint8_t> bytes = readBytes(dataPath(expected.name));
        const std::string header = "P6\n" + std::to_string(expected.width) + " " + std::to_string(expected.height) + "\n255\n";
        EXPECT_EQ(bytes.size(), header.size() + static_cast<std::size_t>(expected.width) * expected.height * 3) << expected.name;
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()).substr(0, header.size()), header) << expected.name;
    }
}

TEST(Generators, SecondRunWritesIdenticalBytesAndNothingElse) {
    std::vector<std::string> images, sounds;
    for (const image_test::ExpectedImage& file : image_test::generatedImages()) images.push_back(file.name);
    for (const sound_test::ExpectedSound& file : sound_test::expectedSounds()) sounds.push_back(file.name);
    for (const auto& [tool, names] : {std::pair{"image_gen/image_gen", images}, std::pair{"synth/synth", sounds}}) {
        char folder[] = "/tmp/veltrane_generated_XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        const std::string command = std::string("\"") + VELTRANE_BINARY_DIR + "/tools/" + tool + "\" \"" + folder + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << tool;
        for (const std::string& name : names) {
            const std::vector<std::uint8_t> original = readBytes(dataPath(name));
            EXPECT_TRUE(!original.empty() && original == readBytes(std::string(folder) + "/" + name)) << name << " differs between runs";
        }
        const auto entries = std::filesystem::directory_iterator(folder);
        EXPECT_EQ(static_cast<std::size_t>(std::distance(begin(entries), end(entries))), names.size()) << tool;
        std::filesystem::remove_all(folder);
    }
}
