#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
CommandLine parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "veltrane");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}
}  // namespace

TEST(CommandLine, GlutOptionsAndTheirValuesPassThrough) {
    EXPECT_EQ(parse({}).action, CommandLine::Action::Play);
    EXPECT_EQ(parse({"-display", ":1", "-geometry", "640x480+0+0", "-iconic", "-sync"}).action,
              CommandLine::Action::Play);
    // A value that looks like an option is still the option's value.
    EXPECT_EQ(parse({"-display", "--bogus"}).action, CommandLine::Action::Play);
    EXPECT_EQ(parse({"-display", ":1", "--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(parse({"-sync", "--help"}).action, CommandLine::Action::ShowHelp);
}

TEST(CommandLine, RejectsAndNamesTheFirstBadArgument) {
    const CommandLine unknown = parse({"-sync", "--fullscreen", "-x"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Reject);
    EXPECT_EQ(unknown.rejected, "--fullscreen");
    EXPECT_FALSE(unknown.missingValue);

    // GLUT's options are matched whole, and one given last without its value is refused.
    EXPECT_EQ(parse({"-displayx", ":1"}).rejected, "-displayx");
    const CommandLine lastGeometry = parse({"-geometry"});
    EXPECT_EQ(lastGeometry.action, CommandLine::Action::Reject);
    EXPECT_TRUE(lastGeometry.missingValue);
}
