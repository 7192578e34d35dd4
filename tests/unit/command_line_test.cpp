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
        {{"-sync", "--full-screen", "-x"}, Action::Reject, "--full-screen", false, ""},
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

// --fps takes a whole number, 0 or more, in either form; anything else ends
// the game with an answer, as any bad argument does.
TEST(CommandLine, FpsTakesAWholeNumberAndClassicFramesStandsAlone) {
    const char* capped[] = {"veltrane", "--fps", "144", "--classic-frames"};
    const CommandLine line = parseCommandLine(4, capped);
    EXPECT_TRUE(line.action == CommandLine::Action::Play && line.fps == 144 && line.classicFrames);
    const char* uncapped[] = {"veltrane", "--fps=0"};
    EXPECT_TRUE(parseCommandLine(2, uncapped).fps == 0);
    EXPECT_FALSE(parseCommandLine(1, capped).fps.has_value());
    for (const char* value : {"--fps=-1", "--fps=12x", "--fps=+5", "--fps=99999999999", "--fps=1.5"}) {
        const char* bad[] = {"veltrane", value};
        const CommandLine refused = parseCommandLine(2, bad);
        EXPECT_TRUE(refused.badValue && refused.rejected == "--fps") << value;
        EXPECT_EQ(answerCommandLine(refused), 2) << value;
    }
    const char* missing[] = {"veltrane", "--fps"};
    EXPECT_TRUE(parseCommandLine(2, missing).missingValue);
}
