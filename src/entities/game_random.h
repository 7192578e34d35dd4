#pragma once
// The game's one random number generator. It gives the same numbers as the
// C library's rand() after the same srand() seed (an additive lagged-Fibonacci
// generator over 31 words), but keeps its state where the game can copy it,
// save it with a recording, and put it back to replay from that point.
#include <cstdint>

class ByteReader;
class ByteWriter;

inline constexpr int kGameRandomWords = 31;

struct GameRandomState {
    std::uint32_t words[kGameRandomWords];
    std::uint8_t front;  // the word the next draw adds into; the other is 3 words behind

    bool operator==(const GameRandomState&) const = default;
};

// Restarts the sequence as srand(seed) would.
void seedGameRandom(unsigned seed);

// The next number in [0, 2^31), as rand() gives it.
int nextGameRandom();

GameRandomState gameRandomState();
void setGameRandomState(const GameRandomState& state);

// The 31 words, then the front index as one byte.
void writeGameRandomState(ByteWriter& out, const GameRandomState& state);
// False, leaving `state` alone, on a short read or a front index out of range.
bool readGameRandomState(ByteReader& in, GameRandomState& state);
