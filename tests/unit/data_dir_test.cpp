#include "app/data_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

// --data-dir, then VELTRANE_DATA_DIR, then the built-in candidates, then the
// working folder: the first that is given or holds the data decides. Under a
// fresh root, `empty` holds a folder named like the probe file (not the file),
// `first`, `second` and `working` hold the data.
TEST(DataDir, ANamedFolderComesFirstThenTheCandidatesThenTheWorkingFolder) {
    char pattern[] = "/tmp/veltrane_data_dir_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const auto dir = [root = fs::path(pattern)](const char* name) { return (root / name).string(); };
    const std::string missing = dir("missing"), empty = dir("empty"), first = dir("first"), second = dir("second"), working = dir("working");
    fs::create_directories(fs::path(empty) / "title.ppm");
    for (const std::string& folder : {first, second, working}) {
        fs::create_directory(folder);
        std::ofstream(fs::path(folder) / "title.ppm") << "P6";
    }
    using Outcome = DataDirChoice::Outcome;
    const struct { std::string named, environment; std::vector<std::string> candidates; std::string working;
                   Outcome outcome; std::string folder; } cases[] = {
        {second, first, {first}, working, Outcome::Found, second},
        {"", second, {first}, working, Outcome::Found, second},
        {"", "", {missing, empty, first, second}, working, Outcome::Found, first},
        {"", "", {missing, empty}, working, Outcome::Found, working},
        {"", "", {missing, empty}, empty, Outcome::NoData, ""},
        {"", "", {}, missing, Outcome::NoData, ""},
        // A named folder without the data is an error, whatever else holds it.
        {empty, second, {first}, working, Outcome::NamedFolderLacksData, ""},
        {"", missing, {first}, working, Outcome::NamedFolderLacksData, ""},
    };
    for (const auto& c : cases) {
        const DataDirChoice choice = chooseDataDir(c.named, c.environment, c.candidates, c.working);
        EXPECT_TRUE(choice.outcome == c.outcome && choice.folder == c.folder) << "case " << &c - cases << ": " << choice.folder;
        // Only a choice without data has something to say.
        EXPECT_EQ(choice.message.empty(), c.outcome == Outcome::Found) << "case " << &c - cases;
    }
    fs::remove_all(pattern);
}
