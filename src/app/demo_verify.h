#pragma once
#include <string>

#include "world/demo_format.h"

// Exit statuses of the demo options.
constexpr int kDemoMatches = 0;
constexpr int kDemoDiffers = 1;
constexpr int kDemoUnusable = 2;
constexpr int kDemoCutShort = 3;

// Reads a recording for --playdemo/--verifydemo/--timedemo. Prints one line
// naming the file and the problem and answers kDemoUnusable when it cannot be
// read or was recorded under other rules than this game's. A file cut short
// (a game that crashed) is taken: its ticks play up to the cut.
int loadDemo(const std::string& path, DemoRead& read);

// A recording whose starting state the game cannot take: says so, answers kDemoUnusable.
int refuseStartingState(const std::string& path);

// --verifydemo: replays the recording with no window, as fast as the steps
// run, and prints the final hash, whether it matches and the first
// checkpoint that does not. Answers the exit status.
int verifyDemo(const std::string& path);
