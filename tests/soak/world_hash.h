#pragma once
#include <cstdint>

class World;

// A 64-bit digest of everything a game step changes in the world: the ship,
// every pool slot (bolts, explosions with their particles, engine trails),
// every enemy, the ring indices, the score and the flags. Two runs that hash
// alike step for step played the same game.
std::uint64_t hashWorld(const World& world);

// Folds one step's hash into the run's.
std::uint64_t foldHash(std::uint64_t run, std::uint64_t step);
