#include "app/command_line.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {
constexpr const char* kDataDirOption = "--data-dir";
constexpr const char* kFpsOption = "--fps";

// glutInit's X options and how many values follow each.
struct GlutOption {
    const char* name;
    int values;
};
constexpr GlutOption kGlutOptions[] = {
    {"-display", 1}, {"-geometry", 1}, {"-direct", 0}, {"-indirect", 0},
    {"-iconic", 0},  {"-gldebug", 0},  {"-sync", 0},
};

constexpr const char* kUsage =
    "Usage: veltrane [--help | --version] [--data-dir DIR] [--fps N]\n"
    "                [--classic-frames] [--fullscreen | --windowed] [--mute]\n"
    "                [--seed N] [--record FILE]\n"
    "                [--playdemo FILE | --verifydemo FILE | --timedemo FILE]\n"
    "                [X options]\n"
    "A 3D space shooter: fly through a star-field arena and destroy four capital\n"
    "ships and 120 turrets.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --data-dir DIR\n"
    "               read the game's data from DIR (the environment variable\n"
    "               VELTRANE_DATA_DIR does the same); a DIR without the data\n"
    "               is an error\n"
    "  --fps N      draw at most N pictures a second (0: no limit); by default\n"
    "               the pictures follow the display\n"
    "  --classic-frames\n"
    "               draw one picture per game step, 20 a second, unsmoothed\n"
    "  --fullscreen, --windowed\n"
    "               start in full screen, or in a window\n"
    "  --mute       play without sound (the volume keys bring it back)\n"
    "               --fps, --classic-frames, --fullscreen, --windowed and\n"
    "               --mute hold for this run: the remembered settings\n"
    "               (~/.config/veltrane/veltrane.conf) keep their own values\n"
    "               unless you then change that option in the game\n"
    "  --seed N     start the random numbers from seed N (0 to 4294967295)\n"
    "  --record FILE\n"
    "               record every game played, from the first one's start to\n"
    "               the end, into FILE (the last game alone is always kept in\n"
    "               ~/.local/state/veltrane/last-game.vdemo)\n"
    "  --playdemo FILE\n"
    "               watch a recording: p pauses it, F1 switches full screen,\n"
    "               q quits\n"
    "  --verifydemo FILE\n"
    "               replay a recording without a window and check that it\n"
    "               plays out as recorded (exit 0: it does, 1: it does not,\n"
    "               2: unreadable or from other rules, 3: cut short)\n"
    "  --timedemo FILE\n"
    "               play a recording with one picture per step as fast as\n"
    "               the machine draws, and print how fast that was\n"
    "\n"
    "X options: -display DISPLAY, -geometry WxH+X+Y (the window's size, 500x500\n"
    "by default, and place), -iconic, -direct, -indirect, -gldebug, -sync.\n"
    "\n"
    "Space starts the game and fires, the arrow keys pitch and roll, p pauses and\n"
    "opens the options, q quits. The manual page veltrane(6) lists every key.\n";

const GlutOption* findGlutOption(const char* argument) {
    for (const GlutOption& option : kGlutOptions)
        if (std::strcmp(argument, option.name) == 0) return &option;
    return nullptr;
}

CommandLine answer(CommandLine::Action action, const char* rejected = "", bool missingValue = false) {
    CommandLine line;
    line.action = action;
    line.rejected = rejected;
    line.missingValue = missingValue;
    return line;
}

// A whole number of pictures a second, 0 or more, and nothing else.
std::optional<int> parseFps(const char* text) {
    int value = -1;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc() || stop != end || value < 0) return std::nullopt;
    return value;
}

// A whole number that fits an unsigned 32-bit seed, and nothing else.
std::optional<unsigned> parseSeed(const char* text) {
    unsigned value = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// An option that takes a value, as "--name VALUE" or "--name=VALUE": its
// value (empty when missing), or nothing when `argument` is another option.
std::optional<std::string> optionValue(const char* name, int argc, const char* const* argv, int& i) {
    const char* argument = argv[i];
    const std::size_t length = std::strlen(name);
    if (std::strncmp(argument, name, length) != 0) return std::nullopt;
    if (argument[length] == '=') return std::string(argument + length + 1);
    if (argument[length] != '\0') return std::nullopt;
    if (i + 1 >= argc) return std::string();
    return std::string(argv[++i]);
}

CommandLine badValue(const char* option) {
    CommandLine line = answer(CommandLine::Action::Reject, option);
    line.badValue = true;
    return line;
}
}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0) return answer(CommandLine::Action::ShowHelp);
        if (std::strcmp(argument, "--version") == 0) return answer(CommandLine::Action::ShowVersion);
        // An empty folder name is refused: it would quietly mean "look for it yourself".
        const std::size_t optionLength = std::strlen(kDataDirOption);
        if (std::strcmp(argument, kDataDirOption) == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') return answer(CommandLine::Action::Reject, argument, true);
            line.dataDir = argv[++i];
            continue;
        }
        if (std::strncmp(argument, kDataDirOption, optionLength) == 0 && argument[optionLength] == '=') {
            line.dataDir = argument + optionLength + 1;
            if (line.dataDir.empty()) return answer(CommandLine::Action::Reject, argument, true);
            continue;
        }
        if (std::strcmp(argument, "--classic-frames") == 0) {
            line.classicFrames = true;
            continue;
        }
        if (std::strcmp(argument, "--mute") == 0) {
            line.mute = true;
            continue;
        }
        if (std::strcmp(argument, "--fullscreen") == 0 || std::strcmp(argument, "--windowed") == 0) {
            const bool fullScreen = argument[2] == 'f';
            if (line.fullScreen && *line.fullScreen != fullScreen) return answer(CommandLine::Action::Reject, argument);
            line.fullScreen = fullScreen;
            continue;
        }
        const std::size_t fpsLength = std::strlen(kFpsOption);
        const bool fpsJoined = std::strncmp(argument, kFpsOption, fpsLength) == 0 && argument[fpsLength] == '=';
        if (fpsJoined || std::strcmp(argument, kFpsOption) == 0) {
            const char* value = "";
            if (fpsJoined)
                value = argument + fpsLength + 1;
            else if (i + 1 < argc)
                value = argv[++i];
            if (*value == '\0') return answer(CommandLine::Action::Reject, kFpsOption, true);
            line.fps = parseFps(value);
            if (!line.fps) return badValue(kFpsOption);
            continue;
        }
        if (const auto seed = optionValue("--seed", argc, argv, i)) {
            if (seed->empty()) return answer(CommandLine::Action::Reject, "--seed", true);
            line.seed = parseSeed(seed->c_str());
            if (!line.seed) return badValue("--seed");
            continue;
        }
        if (const auto path = optionValue("--record", argc, argv, i)) {
            if (path->empty()) return answer(CommandLine::Action::Reject, "--record", true);
            line.recordPath = *path;
            continue;
        }
        constexpr struct { const char* name; CommandLine::Demo demo; } kDemoOptions[] = {
            {"--playdemo", CommandLine::Demo::Play},
            {"--verifydemo", CommandLine::Demo::Verify},
            {"--timedemo", CommandLine::Demo::Time}};
        bool demoOption = false;
        for (const auto& option : kDemoOptions) {
            const auto path = optionValue(option.name, argc, argv, i);
            if (!path) continue;
            if (path->empty()) return answer(CommandLine::Action::Reject, option.name, true);
            // One recording at a time, and never one recorded while another plays.
            if (line.demo != CommandLine::Demo::None) return answer(CommandLine::Action::Reject, option.name);
            line.demo = option.demo;
            line.demoPath = *path;
            demoOption = true;
            break;
        }
        if (demoOption) continue;
        const GlutOption* option = findGlutOption(argument);
        if (option == nullptr) return answer(CommandLine::Action::Reject, argument);
        if (i + option->values >= argc) return answer(CommandLine::Action::Reject, argument, true);
        i += option->values;
    }
    if (line.demo != CommandLine::Demo::None && !line.recordPath.empty()) {
        return answer(CommandLine::Action::Reject, "--record");
    }
    return line;
}

std::optional<int> answerCommandLine(const CommandLine& line) {
    switch (line.action) {
    case CommandLine::Action::Play:
        return std::nullopt;
    case CommandLine::Action::ShowHelp:
        std::fputs(kUsage, stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::puts("Veltrane " VELTRANE_VERSION);
        return 0;
    case CommandLine::Action::Reject:
        break;
    }
    if (line.missingValue)
        std::fprintf(stderr, "veltrane: %s needs a value (try --help)\n", line.rejected.c_str());
    else if (line.badValue)
        std::fprintf(stderr, "veltrane: %s needs a whole number, 0 or more (try --help)\n", line.rejected.c_str());
    else if (line.rejected.starts_with("--") && std::strstr(kUsage, line.rejected.c_str()) != nullptr)
        std::fprintf(stderr, "veltrane: %s cannot go with the options before it (try --help)\n", line.rejected.c_str());
    else
        std::fprintf(stderr, "veltrane: unrecognised argument '%s' (try --help)\n", line.rejected.c_str());
    return 2;
}
