// How the effects behave in play: every one starts at once, the laser stays
// distinct when fired sixteen times a second, and the others end in silence.
#include <gtest/gtest.h>

#include "sound_test_files.h"

using namespace sound_test;

TEST(SoundEffects, StartAtOnceAndEndCleanly) {
    for (const std::string name : {"laser.wav", "smallExplode.wav", "bigExplode.wav", "siren.wav"}) {
        const std::vector<unsigned char> bytes = readBytes(dataPath(name));
        ASSERT_EQ(std::string(bytes.begin(), bytes.end()).substr(36, 4), "data") << name;  // a plain 44-byte header
        std::vector<int16_t> s;
        for (size_t i = 44; i + 1 < bytes.size(); i += 2) s.push_back(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)));
        ASSERT_GE(s.size(), 2 * secondFrames(0.1)) << name;
        EXPECT_GT(rmsOf(s, 0, secondFrames(0.005)), 0.05 * peakOf(s)) << name;
        if (name == "laser.wav") {
            const double nextShot = 1.0 / 16.0;
            const double burst = rmsOf(s, 0, secondFrames(0.02));
            const double atNextShot = rmsOf(s, secondFrames(nextShot), secondFrames(nextShot + 0.02));
            EXPECT_GT(20.0 * std::log10(burst / atNextShot), 15.0);
        } else {
            EXPECT_EQ(s[s.size() - 1], 0) << name;
            EXPECT_EQ(s[s.size() - 2], 0) << name;
        }
    }
}
