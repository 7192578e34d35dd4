// Decodes every generated sound through SDL2_mixer (as the game does) and
// checks length, level, clipping and the loop seams.
#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "sound_test_files.h"

using namespace sound_test;

namespace {

constexpr double kCeilingDb = -1.0;
constexpr double kQuietestRmsDb = -24.0;  // every file sits within a 10 dB band,
constexpr double kLoudestRmsDb = -14.0;   // so effects and music are balanced

double toDb(double level) { return 20.0 * std::log10(std::max(level, 1e-12) / 32768.0); }

double rmsOf(const std::vector<int16_t>& samples, size_t fromFrame, size_t toFrame) {
    double sum = 0.0;
    for (size_t i = 2 * fromFrame; i < 2 * toFrame; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<size_t>(1, 2 * (toFrame - fromFrame)));
}

int peakOf(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

}  // namespace

class SoundFiles : public ::testing::TestWithParam<ExpectedSound> {
public:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
        int rate = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        ASSERT_EQ(rate, kRate);
        ASSERT_EQ(channels, 2);
        ASSERT_EQ(format, AUDIO_S16SYS);
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
    }

protected:
    static DecodedSound decode(const std::string& name) {
        DecodedSound sound;
        Mix_Chunk* chunk = Mix_LoadWAV(dataPath(name).c_str());
        if (chunk == nullptr) return sound;
        sound.loaded = true;
        sound.samples.resize(chunk->alen / sizeof(int16_t));
        std::memcpy(sound.samples.data(), chunk->abuf, sound.samples.size() * sizeof(int16_t));
        Mix_FreeChunk(chunk);
        return sound;
    }
};

TEST_P(SoundFiles, DecodesToItsComposedLength) {
    const DecodedSound sound = decode(GetParam().name);
    ASSERT_TRUE(sound.loaded) << Mix_GetError();
    // The MP3s carry the encoder delay and padding in their LAME tag, which the
    // decoder trims; a frame-exact length is what makes a loop gapless.
    EXPECT_EQ(sound.frames(), GetParam().frames);
}

TEST_P(SoundFiles, IsAudibleBalancedAndBelowFullScale) {
    const DecodedSound sound = decode(GetParam().name);
    ASSERT_TRUE(sound.loaded) << Mix_GetError();
    const double peakDb = toDb(peakOf(sound.samples));
    const double rmsDb = toDb(rmsOf(sound.samples, 0, sound.frames()));
    EXPECT_LE(peakDb, kCeilingDb);
    EXPECT_GE(rmsDb, kQuietestRmsDb);
    EXPECT_LE(rmsDb, kLoudestRmsDb);
}

// The same decoding, over the tracks the game loops.
class LoopedMusic : public SoundFiles {};

TEST_P(LoopedMusic, SeamHasNoJumpAndNoGap) {
    const DecodedSound sound = decode(GetParam().name);
    ASSERT_TRUE(sound.loaded) << Mix_GetError();
    const std::vector<int16_t>& s = sound.samples;
    const size_t frames = sound.frames();
    ASSERT_GT(frames, 4096u);
    // The step from the last frame back to the first must be no larger than the
    // largest step the music itself takes just before and just after the seam.
    constexpr size_t kNeighbourhood = 2048;
    for (int channel = 0; channel < 2; ++channel) {
        int largestStep = 0;
        for (size_t i = 1; i < kNeighbourhood; ++i) {
            largestStep = std::max(largestStep, std::abs(s[2 * i + channel] - s[2 * (i - 1) + channel]));
            const size_t end = frames - i;
            largestStep = std::max(largestStep, std::abs(s[2 * end + channel] - s[2 * (end - 1) + channel]));
        }
        const int seamStep = std::abs(s[channel] - s[2 * (frames - 1) + channel]);
        EXPECT_LE(seamStep, largestStep) << "channel " << channel;
    }
    // No silence on either side of the seam: the music runs straight through.
    EXPECT_GT(toDb(rmsOf(s, 0, kNeighbourhood)), -40.0);
    EXPECT_GT(toDb(rmsOf(s, frames - kNeighbourhood, frames)), -40.0);
}

namespace {

std::string testNameOf(const ::testing::TestParamInfo<ExpectedSound>& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Generated, SoundFiles, ::testing::ValuesIn(expectedSounds()), testNameOf);
INSTANTIATE_TEST_SUITE_P(Generated, LoopedMusic, ::testing::ValuesIn(loopedSounds()), testNameOf);

TEST(SoundLengths, SuitTheirCues) {
    for (const ExpectedSound& sound : expectedSounds()) {
        const double seconds = double(sound.frames) / kRate;
        if (sound.name == "laser.wav") {
            EXPECT_LT(seconds, 0.25);
        } else if (sound.name == "background0.mp3") {
            EXPECT_GE(seconds, 60.0);
        } else if (sound.name == "bigExplode.wav" || sound.name == "playerExplode.mp3") {
            EXPECT_GE(seconds, 2.5);
        } else if (sound.name == "siren.wav") {
            EXPECT_GE(seconds, 2.0);
            EXPECT_LE(seconds, 3.0);
        }
    }
}
