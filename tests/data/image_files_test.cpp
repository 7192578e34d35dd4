// Both generators write the same bytes every time, and nothing but their files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "data_files.h"

TEST(Generators, SecondRunWritesIdenticalBytesAndNothingElse) {
    using Names = std::set<std::string>;
    for (const auto& [tool, extensions] : {std::pair{"image_gen/image_gen", Names{".ppm", ".bmp"}}, std::pair{"synth/synth", Names{".wav", ".mp3"}}}) {
        char folder[] = "/tmp/veltrane_generated_XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        const std::string command = std::string("\"") + VELTRANE_BINARY_DIR + "/tools/" + tool + "\" \"" + folder + "\" > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << tool;
        // The fresh run's files against the data folder's files of the same kinds.
        Names written, shipped;
        for (const auto& file : std::filesystem::directory_iterator(folder)) written.insert(file.path().filename());
        for (const auto& file : std::filesystem::directory_iterator(VELTRANE_DATA_DIR))
            if (extensions.count(file.path().extension())) shipped.insert(file.path().filename());
        EXPECT_TRUE(!shipped.empty() && written == shipped) << tool << " wrote " << written.size() << " files for " << shipped.size();
        for (const std::string& name : shipped) {
            const std::vector<std::uint8_t> original = readBytes(dataPath(name));
            EXPECT_TRUE(!original.empty() && original == readBytes(std::string(folder) + "/" + name)) << name << " differs between runs";
        }
        std::filesystem::remove_all(folder);
    }
}
