// Both generators write the same bytes every time, and nothing but their files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "image_test_files.h"
#include "sound_test_files.h"

using image_test::dataPath;
using image_test::readBytes;

TEST(Generators, SecondRunWritesIdenticalBytesAndNothingElse) {
    std::vector<std::string> sounds;
    for (const sound_test::ExpectedSound& file : sound_test::expectedSounds()) sounds.push_back(file.name);
    for (const auto& [tool, names] : {std::pair{"image_gen/image_gen", image_test::generatedImages()}, std::pair{"synth/synth", sounds}}) {
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
