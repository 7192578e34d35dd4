// The generator's output is repeatable byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "sound_test_files.h"

using namespace sound_test;

TEST(SoundGenerator, WritesTheSameBytesOnEveryRun) {
    char folderTemplate[] = "/tmp/veltrane-synth-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const std::filesystem::path folder = folderTemplate;
    const std::string command = std::string(VELTRANE_BINARY_DIR) + "/tools/synth/synth " + folder.string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const ExpectedSound& sound : expectedSounds()) {
        const std::vector<unsigned char> fresh = readBytes((folder / sound.name).string());
        ASSERT_FALSE(fresh.empty()) << sound.name;
        EXPECT_TRUE(fresh == readBytes(dataPath(sound.name))) << sound.name << " differs between runs";
    }
    std::filesystem::remove_all(folder);
}
