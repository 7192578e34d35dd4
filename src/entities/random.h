#pragma once
#include "entities/game_random.h"

// Every random number the game draws comes from its own generator, seeded once, so
// a seeded run replays exactly. That generator gives the C library's rand() sequence
// (the game's tuning and recorded hashes were made with it) but, unlike rand(), its
// state can be saved with a recording and restored to replay from there. Values are
// taken as 15-bit numbers (0 to 32767), the range the game's tuning was made for.
inline int gameRand() { return nextGameRandom() & 0x7FFF; }

// Uniform in [0, 1).
inline float randUnit() { return static_cast<float>(gameRand()) * (1.0f / 32768.0f); }

// Uniform in [-1, 1).
inline float randSigned() { return randUnit() * 2.0f - 1.0f; }

// A whole number from 8 to 15: the re-arm time of every enemy gun, in frames.
inline int randomGunCooldown() {
    return static_cast<int>((static_cast<float>(gameRand()) / 32768.0f + 1.0f) * 8.0f);
}
