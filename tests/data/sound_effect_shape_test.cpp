// How the effects behave in play: the laser must stay distinct when fired
// sixteen times a second, and every effect must start at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound_test_files.h"

using namespace sound_test;

namespace {

constexpr size_t kWavHeaderBytes = 44;

std::vector<int16_t> wavSamples(const std::string& name) {
    const std::vector<unsigned char> bytes = readBytes(dataPath(name));
    std::vector<int16_t> samples;
    for (size_t i = kWavHeaderBytes; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return samples;
}

double rmsBetween(const std::vector<int16_t>& samples, double fromSeconds, double toSeconds) {
    const size_t from = 2 * secondFrames(fromSeconds), to = std::min(samples.size(), 2 * secondFrames(toSeconds));
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<size_t>(1, to - from));
}

}  // namespace

TEST(SoundEffects, LaserHasDecayedBeforeTheNextShotAtSixteenShotsASecond) {
    const std::vector<int16_t> laser = wavSamples("laser.wav");
    ASSERT_FALSE(laser.empty());
    const double shotInterval = 1.0 / 16.0;
    const double burst = rmsBetween(laser, 0.0, 0.02);
    const double atNextShot = rmsBetween(laser, shotInterval, shotInterval + 0.02);
    EXPECT_GT(20.0 * std::log10(burst / atNextShot), 15.0);
}

TEST(SoundEffects, StartWithinFiveMilliseconds) {
    for (const char* name : {"laser.wav", "smallExplode.wav", "bigExplode.wav", "siren.wav"}) {
        const std::vector<int16_t> samples = wavSamples(name);
        ASSERT_FALSE(samples.empty()) << name;
        int peak = 0;
        for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(rmsBetween(samples, 0.0, 0.005), 0.05 * peak) << name;
    }
}

TEST(SoundEffects, ExplosionsEndInSilence) {
    for (const char* name : {"smallExplode.wav", "bigExplode.wav", "siren.wav"}) {
        const std::vector<int16_t> samples = wavSamples(name);
        ASSERT_GE(samples.size(), 2u) << name;
        EXPECT_EQ(samples[samples.size() - 1], 0) << name;
        EXPECT_EQ(samples[samples.size() - 2], 0) << name;
    }
}
