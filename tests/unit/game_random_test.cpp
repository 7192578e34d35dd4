#include <gtest/gtest.h>

#include <cstdlib>

#include "entities/game_random.h"
#include "world/byte_stream.h"

namespace {

// The game's numbers must stay the C library's, which its tuning and recorded runs were made with.
TEST(GameRandom, GivesTheCLibrarySequenceForEverySeed) {
    for (const unsigned seed : {0u, 1u, 2u, 12345u, 2147483648u, 4294967295u}) {
        std::srand(seed);
        seedGameRandom(seed);
        for (int i = 0; i < 1000000; ++i) {
            const int expected = std::rand();
            ASSERT_EQ(nextGameRandom(), expected) << "seed " << seed << ", draw " << i;
        }
    }
}

TEST(GameRandom, ARestoredStateContinuesTheSequence) {
    seedGameRandom(42);
    for (int i = 0; i < 1000; ++i) nextGameRandom();
    const GameRandomState saved = gameRandomState();
    int draws[100];
    for (int& d : draws) d = nextGameRandom();
    setGameRandomState(saved);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(nextGameRandom(), draws[i]) << i;
}

TEST(GameRandom, StateSurvivesBytesAndBadBytesAreRejected) {
    seedGameRandom(7);
    for (int i = 0; i < 45; ++i) nextGameRandom();  // a front index other than the seed's
    const GameRandomState state = gameRandomState();
    ByteWriter out;
    writeGameRandomState(out, state);
    ASSERT_EQ(out.bytes.size(), 31u * 4u + 1u);

    GameRandomState read{};
    ByteReader in(out.bytes.data(), out.bytes.size());
    ASSERT_TRUE(readGameRandomState(in, read));
    EXPECT_TRUE(read == state);
    EXPECT_TRUE(in.atEnd());

    std::vector<std::uint8_t> badFront = out.bytes;
    badFront.back() = 31;
    ByteReader badIn(badFront.data(), badFront.size());
    GameRandomState untouched{};
    EXPECT_FALSE(readGameRandomState(badIn, untouched));
    EXPECT_TRUE(untouched == GameRandomState{});

    ByteReader shortIn(out.bytes.data(), out.bytes.size() - 1);
    EXPECT_FALSE(readGameRandomState(shortIn, untouched));
    EXPECT_TRUE(untouched == GameRandomState{});
}

}  // namespace
