#include "app/data_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// Folders under a fresh temporary root: `empty` holds a folder named like the
// probe file (not the file), `first`, `second` and `working` hold the data.
class DataDir : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/veltrane_data_dir_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        for (const std::string& folder : {empty(), first(), second(), working()}) fs::create_directory(folder);
        for (const std::string& folder : {first(), second(), working()}) std::ofstream(fs::path(folder) / "title.ppm") << "P6";
        fs::create_directory(fs::path(empty()) / "title.ppm");
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    std::string missing() const { return (root / "missing").string(); }
    std::string empty() const { return (root / "empty").string(); }
    std::string first() const { return (root / "first").string(); }
    std::string second() const { return (root / "second").string(); }
    std::string working() const { return (root / "working").string(); }
};
}  // namespace

TEST_F(DataDir, FindsTheFirstFolderThatHoldsTheData) {
    EXPECT_EQ(findDataDir({missing(), empty(), first(), second()}), first());
    EXPECT_EQ(findDataDir({missing(), empty()}), "");
}

// --data-dir, then VELTRANE_DATA_DIR, then the built-in candidates, then the
// working folder: the first that is given or holds the data decides.
TEST_F(DataDir, ANamedFolderComesFirstThenTheCandidatesThenTheWorkingFolder) {
    using Outcome = DataDirChoice::Outcome;
    const struct { std::string named, environment; std::vector<std::string> candidates; std::string working;
                   Outcome outcome; std::string folder; } cases[] = {
        {second(), first(), {first()}, working(), Outcome::Found, second()},
        {"", second(), {first()}, working(), Outcome::Found, second()},
        {"", "", {missing(), first()}, working(), Outcome::Found, first()},
        {"", "", {missing(), empty()}, working(), Outcome::Found, working()},
        {"", "", {missing(), empty()}, empty(), Outcome::NoData, ""},
        {"", "", {}, missing(), Outcome::NoData, ""},
        // A named folder without the data is an error, whatever else holds it.
        {empty(), second(), {first()}, working(), Outcome::NamedFolderLacksData, ""},
        {"", missing(), {first()}, working(), Outcome::NamedFolderLacksData, ""},
    };
    for (const auto& c : cases) {
        const DataDirChoice choice = chooseDataDir(c.named, c.environment, c.candidates, c.working);
        EXPECT_TRUE(choice.outcome == c.outcome && choice.folder == c.folder) << "case " << &c - cases << ": " << choice.folder;
        // Only a choice without data has something to say.
        EXPECT_EQ(choice.message.empty(), c.outcome == Outcome::Found) << "case " << &c - cases;
    }
}
