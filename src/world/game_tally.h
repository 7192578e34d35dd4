#pragma once
#include <optional>

#include "state/game_outcome.h"

// Watches the ticks for games that begin and end, outside the rules: it
// reads the world and the options and changes nothing the game's digests or
// recordings hold. A game begins in the first tick that ends running (the
// game started, neither over nor won) and ends in the tick that leaves it
// over or won; its steps are that span's ticks in which the world stepped.

// Called at the end of every tick.
void tallyTick();
// The last ended game's outcome, once; none when no game has ended since the
// last call (a newer outcome replaces one not taken).
std::optional<GameOutcome> takeGameOutcome();
// A game has begun and not yet ended.
bool tallyingAGame();
// Forgets the game under way and any outcome not taken (tests).
void resetGameTally();
