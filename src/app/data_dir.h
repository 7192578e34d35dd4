#pragma once
#include <string>
#include <vector>

// The game reads every file by its bare name from the working directory, so at
// start-up it changes into the folder that holds its data.

// The folders to try, in order: the installed data beside the executable
// (<exe dir>/../share/games/veltrane), then the build tree's data folder when
// the build names one.
std::vector<std::string> dataDirCandidates(const std::string& executablePath);

// The first candidate that holds the game's data, or "" when none does.
std::string findDataDir(const std::vector<std::string>& candidates);

// Changes into the data folder found from /proc/self/exe. When none holds the
// data, says where it looked in one line on stderr and leaves the working
// directory as it is; the game then starts without its files.
bool enterDataDir();
