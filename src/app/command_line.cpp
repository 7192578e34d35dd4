#include "app/command_line.h"

#include <cstdio>
#include <cstring>

namespace {
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
    "Usage: veltrane [--help | --version] [X options]\n"
    "A 3D space shooter: fly through a star-field arena and destroy four capital\n"
    "ships and 120 turrets.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "X options: -display DISPLAY, -geometry WxH+X+Y, -iconic, -direct, -indirect,\n"
    "-gldebug, -sync.\n"
    "\n"
    "Space starts the game and fires, the arrow keys pitch and roll, p pauses and\n"
    "opens the options, q quits. The manual page veltrane(6) lists every key.\n";

const GlutOption* findGlutOption(const char* argument) {
    for (const GlutOption& option : kGlutOptions)
        if (std::strcmp(argument, option.name) == 0) return &option;
    return nullptr;
}
}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0) return {CommandLine::Action::ShowHelp, {}};
        if (std::strcmp(argument, "--version") == 0) return {CommandLine::Action::ShowVersion, {}};
        const GlutOption* option = findGlutOption(argument);
        if (option == nullptr) return {CommandLine::Action::Reject, argument};
        if (i + option->values >= argc) return {CommandLine::Action::Reject, argument, true};
        i += option->values;
    }
    return {};
}

std::optional<int> answerCommandLine(int argc, const char* const* argv) {
    const CommandLine line = parseCommandLine(argc, argv);
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
