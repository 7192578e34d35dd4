#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

// GLUT's options and their values pass through, even a value that looks like an option;
// anything else is refused, naming the first bad argument. GLUT's options are matched
// whole, and one given last without its value is refused too.
TEST(CommandLine, GlutOptionsPassThroughAndTheFirstBadArgumentIsNamed) {
    using Action = CommandLine::Action;
    const struct { std::vector<const char*> arguments; Action action; const char* rejected; bool missingValue; } cases[] = {
        {{}, Action::Play, "", false},
        {{"-display", ":1", "-geometry", "640x480+0+0", "-iconic", "-sync"}, Action::Play, "", false},
        {{"-display", "--bogus"}, Action::Play, "", false},
        {{"-display", ":1", "--version"}, Action::ShowVersion, "", false},
        {{"-sync", "--help"}, Action::ShowHelp, "", false},
        {{"-sync", "--fullscreen", "-x"}, Action::Reject, "--fullscreen", false},
        {{"-displayx", ":1"}, Action::Reject, "-displayx", false},
        {{"-geometry"}, Action::Reject, "-geometry", true},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = c.arguments;
        argv.insert(argv.begin(), "veltrane");
        const CommandLine line = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_TRUE(line.action == c.action && line.rejected == c.rejected && line.missingValue == c.missingValue)
            << "case " << &c - cases;
    }
}
