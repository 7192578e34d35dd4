#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "platform/early_loop.h"

using Bytes = std::vector<std::uint8_t>;

// Two-byte frames of a four-frame sound, published as the decoder goes.
TEST(EarlyLoop, PlaysWhatIsDecodedWaitsWhereItIsBehindAndGoesRoundOnceComplete) {
    Bytes samples(8);
    std::iota(samples.begin(), samples.end(), 1);
    EarlyLoop loop;
    loop.samples = samples.data();
    loop.length = samples.size();
    loop.frameBytes = 2;
    loop.decoded = 3;  // a frame and a half

    Bytes out(6, 0xff);
    fillEarlyLoop(loop, out.data(), out.size());
    EXPECT_EQ(out, (Bytes{1, 2, 0, 0, 0, 0}));  // never half a frame

    loop.decoded = 7;  // still not all of it: no going round yet
    fillEarlyLoop(loop, out.data(), out.size());
    EXPECT_EQ(out, (Bytes{3, 4, 5, 6, 0, 0}));

    loop.decoded = 8;
    fillEarlyLoop(loop, out.data(), out.size());
    EXPECT_EQ(out, (Bytes{7, 8, 1, 2, 3, 4}));
}
