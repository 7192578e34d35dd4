// Records the scripted game the rules fingerprint is made from (a capital
// ship destroyed by aimed clicks, a win, a restart, a crash into a block and
// another win) as the game records games: the committed demo of a capital
// ship's end, which timed keys from outside cannot aim well enough to give.
//   record_scripted_demo FILE
#include <cstdio>
#include <string>

#include "scripted_game.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: record_scripted_demo FILE\n");
        return 2;
    }
    ScriptedGame result;
    std::string error;
    if (!playScriptedGame(result, error, argv[1])) {
        std::fprintf(stderr, "record_scripted_demo: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s: %ld ticks, a capital ship down at tick %ld\n", argv[1], result.ticks, result.capitalShipDownAt);
    return 0;
}
