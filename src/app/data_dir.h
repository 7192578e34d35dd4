#pragma once
#include <string>
#include <vector>

// The game reads every file by its bare name from the working directory, so at
// start-up it changes into the folder that holds its data.

// The built-in folders to try, in order: the installed data beside the
// executable (<exe dir>/../share/games/veltrane), then the build tree's data
// folder when the build names one.
std::vector<std::string> dataDirCandidates(const std::string& executablePath);

// The first candidate that holds the game's data, or "" when none does.
std::string findDataDir(const std::vector<std::string>& candidates);

struct DataDirChoice {
    enum class Outcome { Found, NamedFolderLacksData, NoData };
    Outcome outcome = Outcome::NoData;
    std::string folder;   // the folder to play from when found
    std::string message;  // why there is no data, for stderr and the title screen
};

// A folder the player names (`named`: --data-dir, else `environment`:
// VELTRANE_DATA_DIR) comes first and must hold the data. Otherwise the first
// built-in candidate that holds it, else the working folder when it does.
DataDirChoice chooseDataDir(const std::string& named, const std::string& environment,
                            const std::vector<std::string>& candidates, const std::string& workingFolder);

// Chooses the data folder from --data-dir (`named`), VELTRANE_DATA_DIR and
// /proc/self/exe and changes into it. Without data, says why in one line on
// stderr and leaves the working directory as it is.
DataDirChoice enterDataDir(const std::string& named);
