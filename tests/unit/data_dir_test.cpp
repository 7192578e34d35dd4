#include "app/data_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(DataDir, FindsTheFirstFolderThatHoldsTheData) {
    char pattern[] = "/tmp/veltrane_data_dir_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern;
    const fs::path empty = root / "empty", first = root / "first", second = root / "second";
    for (const fs::path& folder : {empty, first, second}) fs::create_directory(folder);
    std::ofstream(first / "title.ppm") << "P6";
    std::ofstream(second / "title.ppm") << "P6";
    // A folder of that name is not the file.
    fs::create_directory(empty / "title.ppm");

    EXPECT_EQ(findDataDir({(root / "missing").string(), empty.string(), first.string(), second.string()}),
              first.string());
    EXPECT_EQ(findDataDir({(root / "missing").string(), empty.string()}), "");
    fs::remove_all(root);
}
