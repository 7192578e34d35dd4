#include "state/settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/command_line.h"
#include "app/remembered_settings.h"
#include "platform/background_jobs.h"
#include "state/options.h"
#include "state/sound_volume.h"

namespace {
Settings unusualSettings() {
    Settings s;
    s.fullScreen = s.nebula = s.invert = s.classicFrames = true;
    s.cockpitView = s.pauseOnFocusLoss = false;
    s.fps = 0;
    s.volume = 0;
    s.musicVolume = 35;
    s.effectsVolume = 100;
    return s;
}
}  // namespace

// Every value survives the file, and so do the lines the game does not know;
// the game's own header is not taken for the player's comments.
TEST(Settings, FormatAndParseRoundTrip) {
    const std::vector<std::string> kept = {"# my own note", "colour = mauve"};
    for (const Settings& values : {Settings{}, unusualSettings()}) {
        const std::string text = formatSettings(values, kept);
        const SettingsFile file = parseSettings(text, "f");
        EXPECT_EQ(file.values, values);
        EXPECT_EQ(file.keptLines, kept);
        EXPECT_EQ(formatSettings(file.values, file.keptLines), text);
        ASSERT_EQ(file.warnings.size(), 1u);  // the unknown key
        EXPECT_EQ(file.warnings[0].find("colour"), file.warnings[0].rfind("colour"));
    }
    Settings capped;
    capped.fps = 144;
    EXPECT_EQ(parseSettings(formatSettings(capped, {}), "f").values, capped);
}

// Hand-written files: spaces, tabs, CRLF, any of the boolean words, comments.
TEST(Settings, ToleratesHandWrittenLines) {
    const SettingsFile file = parseSettings(
        "\n  # a comment\r\n\tnebula=YES\r\ninvert =1\nfull_screen= true \npause_on_focus_loss = no\n"
        "view =  Chase\npictures=classic\nfps = 1000\nvolume=7\nmusic_volume = 0\neffects_volume=100",
        "f");
    Settings expected;
    expected.nebula = expected.invert = expected.fullScreen = expected.classicFrames = true;
    expected.pauseOnFocusLoss = expected.cockpitView = false;
    expected.fps = 1000;
    expected.volume = 7;
    expected.musicVolume = 0;
    EXPECT_EQ(file.values, expected);
    EXPECT_TRUE(file.warnings.empty());
    EXPECT_EQ(file.keptLines, std::vector<std::string>{"  # a comment\r"});
}

// A bad value names the file, the line and the key, and that key's default
// holds; the bad line is replaced on the next write, an unknown one is kept.
TEST(Settings, BadLinesWarnWithTheirPlace) {
    const SettingsFile file =
        parseSettings("nebula = on\nvolume = 101\n\nfps = -3\nspeed = 9\nview = sideways\nnonsense\nnebula = maybe\n", "~/v.conf");
    ASSERT_EQ(file.warnings.size(), 6u);  // five, then how many more
    EXPECT_EQ(file.warnings[0].rfind("~/v.conf:2: volume:", 0), 0u) << file.warnings[0];
    EXPECT_NE(file.warnings[0].find("using 100"), std::string::npos);
    EXPECT_EQ(file.warnings[1].rfind("~/v.conf:4: fps:", 0), 0u) << file.warnings[1];
    EXPECT_EQ(file.warnings[2].rfind("~/v.conf:5: unknown key \"speed\"", 0), 0u) << file.warnings[2];
    EXPECT_EQ(file.warnings[3].rfind("~/v.conf:6: view:", 0), 0u) << file.warnings[3];
    EXPECT_EQ(file.warnings[4].rfind("~/v.conf:7:", 0), 0u) << file.warnings[4];
    EXPECT_EQ(file.warnings[5], "~/v.conf: and 1 more line not understood");
    EXPECT_EQ(file.values, Settings{});  // the last nebula line was bad
    EXPECT_EQ(file.keptLines, (std::vector<std::string>{"speed = 9", "nonsense"}));
    const std::string rewritten = formatSettings(file.values, file.keptLines);
    EXPECT_EQ(rewritten.find("101"), std::string::npos);
    EXPECT_NE(rewritten.find("\nspeed = 9\nnonsense\n"), std::string::npos);
}

// Random bytes: the defaults, a handful of messages ending with a count of
// the rest, and nothing in the messages but printable text.
TEST(Settings, RandomBytesGiveDefaultsAndFewWarnings) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(1 + random() % 8192, '\0');
        for (char& c : bytes) c = static_cast<char>(random() % 5 == 0 ? '\n' : random() % 256);
        const SettingsFile file = parseSettings(bytes, "f");
        EXPECT_EQ(file.values, Settings{});
        ASSERT_LE(file.warnings.size(), 6u);
        for (const std::string& warning : file.warnings)
            for (const char c : warning) ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "round " << round;
        EXPECT_EQ(parseSettings(formatSettings(file.values, file.keptLines), "f").keptLines.size(), file.keptLines.size());
    }
}

TEST(CommandLine, FullScreenWindowedAndMuteHoldForTheRun) {
    const char* both[] = {"veltrane", "--mute", "--fullscreen", "--fullscreen"};
    const CommandLine line = parseCommandLine(4, both);
    EXPECT_TRUE(line.action == CommandLine::Action::Play && line.mute && line.fullScreen == true);
    const char* windowed[] = {"veltrane", "--windowed"};
    EXPECT_TRUE(parseCommandLine(2, windowed).fullScreen == false);
    const char* clash[] = {"veltrane", "--fullscreen", "--windowed"};
    const CommandLine refused = parseCommandLine(3, clash);
    EXPECT_TRUE(refused.action == CommandLine::Action::Reject && refused.rejected == "--windowed");
}

// The game's own path through the file, without a window: the command line's
// full screen and mute and a restart's cockpit view are never saved, the
// player's own choices are, with the file's unknown lines; a choice of the
// muted volume replaces the mute.
TEST(RememberedSettings, OnlyThePlayersChoicesReachTheFile) {
    char folder[] = "/tmp/veltrane-settings-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    setenv("XDG_CONFIG_HOME", folder, 1);
    const std::string path = std::string(folder) + "/veltrane/veltrane.conf";
    std::filesystem::create_directories(std::string(folder) + "/veltrane");
    const std::string original = "nebula = on\nview = chase\nfoo = bar\n";
    std::ofstream(path) << original;
    const auto fileText = [&] {
        finishBackgroundJobs();
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    };

    CommandLine line;
    line.fullScreen = true;
    line.mute = true;
    loadRememberedSettings(line);
    applyRememberedOptions();
    EXPECT_TRUE(optFullScreen && optNebula && !optView && soundVolumes().master == 0);
    setView(true);  // a restart's, not the player's
    saveSettingsIfChosen();
    EXPECT_EQ(fileText(), original);

    toggleInvert();
    noteOptionChosen();
    saveSettingsIfChosen();
    SettingsFile saved = parseSettings(fileText(), "f");
    EXPECT_TRUE(saved.values.invert && saved.values.nebula && !saved.values.cockpitView);
    EXPECT_TRUE(!saved.values.fullScreen && saved.values.volume == 100);
    EXPECT_EQ(saved.keptLines, std::vector<std::string>{"foo = bar"});

    setSoundVolumes({10, 100, 100});
    noteOptionChosen();
    saveSettingsIfChosen();
    EXPECT_EQ(parseSettings(fileText(), "f").values.volume, 10);

    // Watching a recording writes nothing, whatever it changes.
    const std::string before = fileText();
    line.demo = CommandLine::Demo::Play;
    loadRememberedSettings(line);
    toggleInvert();
    noteOptionChosen();
    saveSettingsIfChosen();
    EXPECT_EQ(fileText(), before);

    unsetenv("XDG_CONFIG_HOME");
    setSoundVolumes({});
    optFullScreen = optNebula = optInvert = false;
    optView = true;
    std::filesystem::remove_all(folder);
}
