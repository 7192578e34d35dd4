#pragma once
#include <cstdint>

// Small deterministic generator (SplitMix64): the same seed gives the same
// images on every machine and every run, unlike the C library's rand().
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}

    std::uint64_t next()
    {
        state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    float uniform() { return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f); }
    float range(float low, float high) { return low + (high - low) * uniform(); }
    // Whole number in [low, high].
    int rangeInt(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t state;
};

// Stateless hash of lattice coordinates, for noise and per-cell decisions.
inline std::uint32_t hashCoords(int x, int y, int z, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// Hash mapped to [0, 1).
inline float hashUnit(int x, int y, int z, std::uint32_t seed)
{
    return static_cast<float>(hashCoords(x, y, z, seed) >> 8) * (1.0f / 16777216.0f);
}
