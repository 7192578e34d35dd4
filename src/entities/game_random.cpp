#include "entities/game_random.h"

#include "world/byte_stream.h"

namespace {

// Each draw adds into the front word the word this many places behind it.
constexpr int kSeparation = 3;
// Draws thrown away after seeding, so the first numbers out no longer follow the seed's pattern.
constexpr int kWarmUpDraws = 310;

constexpr GameRandomState seeded(unsigned seed) {
    GameRandomState state{};
    if (seed == 0) seed = 1;
    std::int32_t word = static_cast<std::int32_t>(seed);
    state.words[0] = seed;
    // word = 16807 * word mod (2^31 - 1), split (Schrage's method) so nothing overflows
    // 32 bits; the seed's own word is taken as signed, which a seed past 2^31 makes negative.
    for (int i = 1; i < kGameRandomWords; ++i) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        state.words[i] = static_cast<std::uint32_t>(word);
    }
    state.front = kSeparation;
    return state;
}

constexpr int next(GameRandomState& state) {
    const int rear = (state.front + kGameRandomWords - kSeparation) % kGameRandomWords;
    state.words[state.front] += state.words[rear];
    const int value = static_cast<int>(state.words[state.front] >> 1);
    state.front = static_cast<std::uint8_t>((state.front + 1) % kGameRandomWords);
    return value;
}

constexpr GameRandomState seededAndWarm(unsigned seed) {
    GameRandomState state = seeded(seed);
    for (int i = 0; i < kWarmUpDraws; ++i) next(state);
    return state;
}

// Unseeded, the sequence is the one seed 1 gives, as rand()'s is before any srand().
// Worked out at compile time, so it is ready before any other start-up code draws.
constinit GameRandomState current = seededAndWarm(1);

}  // namespace

void seedGameRandom(unsigned seed) { current = seededAndWarm(seed); }

int nextGameRandom() { return next(current); }

GameRandomState gameRandomState() { return current; }

void setGameRandomState(const GameRandomState& state) { current = state; }

void writeGameRandomState(ByteWriter& out, const GameRandomState& state) {
    for (std::uint32_t word : state.words) out.u32(word);
    out.u8(state.front);
}

bool readGameRandomState(ByteReader& in, GameRandomState& state) {
    GameRandomState read{};
    for (std::uint32_t& word : read.words) word = in.u32();
    read.front = in.u8();
    if (!in.ok() || read.front >= kGameRandomWords) return false;
    state = read;
    return true;
}
