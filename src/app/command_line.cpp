#include "app/command_line.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr const char* kDataDirOption = "--data-dir";

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
    "Usage: veltrane [--help | --version] [--data-dir DIR] [X options]\n"
    "A 3D space shooter: fly through a star-field arena and destroy four capital\n"
    "ships and 120 turrets.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --data-dir DIR\n"
    "               read the game's data from DIR (the environment variable\n"
    "               VELTRANE_DATA_DIR does the same); a DIR without the data\n"
    "               is an error\n"
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
        const GlutOption* option = findGlutOption(argument);
        if (option == nullptr) return answer(CommandLine::Action::Reject, argument);
        if (i + option->values >= argc) return answer(CommandLine::Action::Reject, argument, true);
        i += option->values;
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
    else
        std::fprintf(stderr, "veltrane: unrecognised argument '%s' (try --help)\n", line.rejected.c_str());
    return 2;
}
