#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

// GLUT's options and their values pass through, even a value that looks like an option;
// anything else is refused, naming the first bad argument. GLUT's options are matched
// whole, and one given last without its value is refused too, as is --data-dir without a folder.
TEST(CommandLine, GlutOptionsPassThroughAndTheFirstBadArgumentIsNamed) {
    using Action = CommandLine::Action;
    const struct { std::vector<const char*> arguments; Action action; const char* rejected; bool missingValue; const char* dataDir; } cases[] = {
        {{}, Action::Play, "", false, ""},
        {{"-display", ":1", "-geometry", "640x480+0+0", "-iconic", "-sync"}, Action::Play, "", false, ""},
        {{"-display", "--bogus"}, Action::Play, "", false, ""},
        {{"-display", ":1", "--version"}, Action::ShowVersion, "", false, ""},
        {{"-sync", "--help"}, Action::ShowHelp, "", false, ""},
        {{"-sync", "--fullscreen", "-x"}, Action::Reject, "--fullscreen", false, ""},
        {{"-displayx", ":1"}, Action::Reject, "-displayx", false, ""},
        {{"-geometry"}, Action::Reject, "-geometry", true, ""},
        {{"--data-dir", "/opt/mod", "-geometry", "640x400"}, Action::Play, "", false, "/opt/mod"},
        {{"-sync", "--data-dir=-geometry"}, Action::Play, "", false, "-geometry"},
        {{"--data-dir"}, Action::Reject, "--data-dir", true, ""},
        {{"--data-dir", ""}, Action::Reject, "--data-dir", true, ""},
        {{"--data-dir="}, Action::Reject, "--data-dir=", true, ""},
        {{"--data-directory", "x"}, Action::Reject, "--data-directory", false, ""},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = c.arguments;
        argv.insert(argv.begin(), "veltrane");
        const CommandLine line = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_TRUE(line.action == c.action && line.rejected == c.rejected && line.missingValue == c.missingValue &&
                    line.dataDir == c.dataDir)
            << "case " << &c - cases;
    }
}
