// Plays the fixed scripted game and writes its fingerprint as a C++ source
// file, which the build compiles into the programs that read recordings:
//   rules_fingerprint OUTPUT.cpp
// The file is rewritten only when its text changes, so that a rebuild of the
// game library that leaves the rules alone recompiles nothing more.
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "scripted_game.h"
#include "world/rules_fingerprint.h"

// The game library will ask for the fingerprint this tool makes; the tool
// links the library before there is one, and its own definition wins.
std::uint64_t rulesFingerprint() { return 0; }

namespace {
std::string fingerprintSource(std::uint64_t fingerprint) {
    char value[17];
    std::snprintf(value, sizeof value, "%016" PRIx64, fingerprint);
    return std::string("// Made by tools/rules_fingerprint at build time; do not edit.\n") +
           "#include \"world/rules_fingerprint.h\"\n\n" +
           "std::uint64_t rulesFingerprint() { return 0x" + value + "ull; }\n";
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Written beside the target and renamed over it, so an interrupted build
// never leaves half a file behind.
bool writeIfChanged(const std::filesystem::path& path, const std::string& text) {
    if (std::filesystem::exists(path) && fileText(path) == text) return true;
    std::filesystem::path partial = path;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) return false;
    }
    std::error_code failure;
    std::filesystem::rename(partial, path, failure);
    return !failure;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: rules_fingerprint OUTPUT.cpp\n");
        return 2;
    }
    ScriptedGame game;
    std::string error;
    if (!playScriptedGame(game, error)) {
        std::fprintf(stderr,
                     "rules_fingerprint: %s; the rules no longer allow the scripted game "
                     "(tools/rules_fingerprint/scripted_game.cpp): change the script to suit them\n",
                     error.c_str());
        return 1;
    }
    if (!writeIfChanged(argv[1], fingerprintSource(game.fingerprint))) {
        std::fprintf(stderr, "rules_fingerprint: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("rules fingerprint %016" PRIx64 " (capital ship destroyed at tick %ld, player at tick %ld, ticks %ld)\n",
                game.fingerprint, game.capitalShipDownAt, game.playerDownAt, game.ticks);
    return 0;
}
