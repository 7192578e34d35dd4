#pragma once
#include <cstdint>
#include <string>

// What the fixed game came to: the fold of every tick's state digests and the
// ticks at which its milestones came.
struct ScriptedGame {
    std::uint64_t fingerprint = 0;
    long ticks = 0;
    long capitalShipDownAt = 0;  // the tick the first capital ship was destroyed
    long playerDownAt = 0;       // the tick the player's ship was destroyed
};

// Plays the fixed game in a fresh world without a window, data files or
// sound: a set seed and a set script of input through the first capital
// ship's death, a win, a restart, the player's death and another win. A
// milestone that does not come within its bound of ticks ends the game:
// false, with `error` saying which. With `recordTo`, the game is recorded
// there as the game records one (the committed demo of a capital ship's end).
bool playScriptedGame(ScriptedGame& result, std::string& error, const std::string& recordTo = "");
