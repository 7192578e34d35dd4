#pragma once
#include <cstdint>

// Gradient noise in [-1, 1] (roughly), smooth in every direction.
float gradientNoise3(float x, float y, float z, std::uint32_t seed);

// Fractal sum of `octaves` layers, each twice the frequency and `gain` the weight
// of the one before; normalised so the result stays roughly in [-1, 1].
float fractalNoise3(float x, float y, float z, int octaves, float gain, std::uint32_t seed);

// 2D gradient noise that repeats every `period` lattice cells in x and y, so
// textures built from it tile without a seam.
float periodicNoise2(float x, float y, int period, std::uint32_t seed);
float periodicFractalNoise2(float x, float y, int period, int octaves, float gain, std::uint32_t seed);
