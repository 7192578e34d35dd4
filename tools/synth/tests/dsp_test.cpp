#include "audio_buffer.h"
#include "envelope.h"
#include "filter.h"
#include "oscillators.h"
#include "rng.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Gain in dB of a sine at `hz` through the filter, once the filter has settled.
double gainDb(StateVariableFilter filter, double hz) {
    Oscillator sine(Waveform::Sine);
    double sum = 0.0;
    const int settle = kSampleRate / 10, count = kSampleRate / 2;
    for (int i = 0; i < settle + count; ++i) {
        const float out = filter.process(sine.next(hz));
        if (i >= settle) sum += out * out;
    }
    return 10.0 * std::log10(sum / count / 0.5);
}

}  // namespace

TEST(Rng, RepeatsForASeedAndStaysInRange) {
    Rng first(42), second(42), other(43);
    bool differs = false;
    double sum = 0.0;
    for (int i = 0; i < 10000; ++i) {
        const float a = first.uniform();
        EXPECT_EQ(a, second.uniform());
        differs = differs || a != other.uniform();
        ASSERT_TRUE(a >= 0.0f && a < 1.0f) << a;
        sum += a;
    }
    EXPECT_TRUE(differs);
    EXPECT_NEAR(sum / 10000.0, 0.5, 0.02);
}

TEST(Oscillator, RunsAtItsFrequencyWithinRangeAndNotesFollowEqualTemperament) {
    for (Waveform waveform : {Waveform::Sine, Waveform::Square, Waveform::Saw, Waveform::Triangle}) {
        Oscillator oscillator(waveform, 1, 0.1);
        int upwardCrossings = 0;
        float previous = oscillator.next(441.0);
        for (int i = 1; i < kSampleRate; ++i) {
            const float sample = oscillator.next(441.0);
            ASSERT_LE(std::fabs(sample), 1.1f);
            if (previous < 0.0f && sample >= 0.0f) ++upwardCrossings;
            previous = sample;
        }
        EXPECT_NEAR(upwardCrossings, 441, 1) << static_cast<int>(waveform);
    }
    EXPECT_DOUBLE_EQ(midiToHz(69), 440.0);
    EXPECT_NEAR(midiToHz(60), 261.6256, 1e-3);
}

TEST(Envelope, RisesHoldsAndReleasesToZeroWithoutJumps) {
    const Adsr env{0.1f, 0.2f, 0.5f, 0.3f};
    const float gate = 1.0f;
    EXPECT_FLOAT_EQ(env.level(0.0f, gate), 0.0f);
    EXPECT_NEAR(env.level(0.05f, gate), 0.5f, 1e-5);
    EXPECT_NEAR(env.level(0.1f, gate), 1.0f, 1e-5);
    EXPECT_NEAR(env.level(0.5f, gate), 0.5f, 1e-5);
    EXPECT_NEAR(env.level(gate + 0.3f, gate), 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(env.length(gate), 1.3f);
    float previous = 0.0f, biggestStep = 0.0f;
    for (int i = 1; i < 1400; ++i) {
        const float level = env.level(i / 1000.0f, gate);
        biggestStep = std::max(biggestStep, std::fabs(level - previous));
        previous = level;
    }
    EXPECT_LT(biggestStep, 0.011f);

    // Let go a quarter into the attack, the release starts from the level reached.
    const Adsr slow{0.2f, 0.1f, 0.8f, 0.1f};
    const float early = 0.05f;
    EXPECT_NEAR(slow.level(early, early), 0.25f, 1e-5);
    EXPECT_LT(slow.level(early + 0.05f, early), 0.25f);
    EXPECT_FLOAT_EQ(slow.level(early + 0.1f, early), 0.0f);
}

TEST(Filter, EachModeKeepsItsBandAndCutsTheRest) {
    const StateVariableFilter lowPass(FilterMode::LowPass, 500.0f), highPass(FilterMode::HighPass, 2000.0f);
    EXPECT_NEAR(gainDb(lowPass, 100.0), 0.0, 1.0);
    EXPECT_LT(gainDb(lowPass, 8000.0), -40.0);
    EXPECT_LT(gainDb(highPass, 100.0), -40.0);
    EXPECT_NEAR(gainDb(highPass, 12000.0), 0.0, 1.0);
    const StateVariableFilter bandPass(FilterMode::BandPass, 1000.0f, 2.0f);
    const double fourTimes = 20.0 * std::log10(4.0);
    EXPECT_GT(gainDb(bandPass, 1000.0), gainDb(bandPass, 100.0) + fourTimes);
    EXPECT_GT(gainDb(bandPass, 1000.0), gainDb(bandPass, 10000.0) + fourTimes);
}
