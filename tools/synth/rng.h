#pragma once
#include <cstdint>

// Small deterministic generator (SplitMix64): the same seed gives the same
// noise on every machine and every build, which keeps the generated files
// byte-identical from one build to the next.
class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed) {}

    uint64_t nextU64() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), from the top 24 bits so every value is exact in a float.
    float uniform() { return static_cast<float>(nextU64() >> 40) * (1.0f / 16777216.0f); }
    // Uniform in [-1, 1).
    float bipolar() { return uniform() * 2.0f - 1.0f; }

private:
    uint64_t state = 0;
};
