// Saves two whole settings texts in turn, as fast as it can, the way the game
// saves them, until it is killed. With --texts ONE TWO it writes the two
// texts to those files instead, for the killer to compare against.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/atomic_file.h"
#include "platform/user_dirs.h"
#include "state/settings.h"

namespace {
std::string text(bool second) {
    Settings values;
    values.nebula = second;
    values.cockpitView = !second;
    values.fps = second ? std::optional<int>(144) : std::nullopt;
    values.volume = second ? 30 : 100;
    return formatSettings(values, {"# the player's own note", second ? "colour = blue" : "colour = red"});
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--texts") == 0) {
        std::ofstream(argv[2], std::ios::binary) << text(false);
        std::ofstream(argv[3], std::ios::binary) << text(true);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_save_stress FILE | --texts ONE TWO\n");
        return 2;
    }
    const std::string path = argv[1];
    if (!makeUserDir(path.substr(0, path.rfind('/')))) {
        std::fprintf(stderr, "settings_save_stress: cannot make the folder of %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    const std::string texts[2] = {text(false), text(true)};
    for (unsigned long round = 0;; ++round) {
        std::string error;
        if (!replaceFileAtomically(path, texts[round % 2], error)) {
            std::fprintf(stderr, "settings_save_stress: %s\n", error.c_str());
            return 1;
        }
    }
}
