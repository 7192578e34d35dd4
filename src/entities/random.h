#pragma once
#include <cstdlib>

// The game draws its random numbers from the C library's generator, seeded once,
// so a seeded run replays exactly. Values are taken as 15-bit numbers (0 to 32767),
// the range the game's tuning was made for, whatever the library's RAND_MAX.
inline int gameRand() { return std::rand() & 0x7FFF; }

// Uniform in [0, 1).
inline float randUnit() { return static_cast<float>(gameRand()) * (1.0f / 32768.0f); }

// Uniform in [-1, 1).
inline float randSigned() { return randUnit() * 2.0f - 1.0f; }

// A whole number from 8 to 15: the re-arm time of every enemy gun, in frames.
inline int randomGunCooldown() {
    return static_cast<int>((static_cast<float>(gameRand()) / 32768.0f + 1.0f) * 8.0f);
}
