// Decodes every generated sound through SDL2_mixer, as the game does, and
// checks its length, level, clipping and, for the looped music, the seam.
#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstring>

#include "sound_test_files.h"

using namespace sound_test;

namespace {

double toDb(double level) { return 20.0 * std::log10(std::max(level, 1e-12) / 32768.0); }

class SoundFiles : public ::testing::TestWithParam<ExpectedSound> {
public:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
        int rate = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        ASSERT_TRUE(rate == kRate && channels == 2 && format == AUDIO_S16SYS);
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit();
    }
};

}  // namespace

TEST_P(SoundFiles, DecodesToItsLengthAudibleUnclippedAndLoopsWithoutAJump) {
    Mix_Chunk* chunk = Mix_LoadWAV(dataPath(GetParam().name).c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    std::vector<int16_t> s(chunk->alen / sizeof(int16_t));
    std::memcpy(s.data(), chunk->abuf, s.size() * sizeof(int16_t));
    Mix_FreeChunk(chunk);
    const size_t frames = s.size() / 2;
    // The MP3s carry the encoder delay and padding in their LAME tag, which the
    // decoder trims; a frame-exact length is what makes a loop gapless.
    EXPECT_EQ(frames, GetParam().frames);
    // Under the ceiling, and every file within a 10 dB band so effects and music balance.
    EXPECT_LE(toDb(peakOf(s)), -1.0);
    EXPECT_GE(toDb(rmsOf(s, 0, frames)), -24.0);
    EXPECT_LE(toDb(rmsOf(s, 0, frames)), -14.0);
    if (!GetParam().looped) return;

    // The step from the last frame back to the first must be no larger than the largest
    // step the music itself takes just before and after the seam, and neither side is silent.
    constexpr size_t kNear = 2048;
    ASSERT_GT(frames, 2 * kNear);
    for (int channel = 0; channel < 2; ++channel) {
        int largestStep = 0;
        for (size_t i = 1; i < kNear; ++i) {
            largestStep = std::max(largestStep, std::abs(s[2 * i + channel] - s[2 * (i - 1) + channel]));
            const size_t end = frames - i;
            largestStep = std::max(largestStep, std::abs(s[2 * end + channel] - s[2 * (end - 1) + channel]));
        }
        EXPECT_LE(std::abs(s[channel] - s[2 * (frames - 1) + channel]), largestStep) << "channel " << channel;
    }
    EXPECT_GT(toDb(rmsOf(s, 0, kNear)), -40.0);
    EXPECT_GT(toDb(rmsOf(s, frames - kNear, frames)), -40.0);
}

INSTANTIATE_TEST_SUITE_P(Generated, SoundFiles, ::testing::ValuesIn(expectedSounds()),
                         [](const ::testing::TestParamInfo<ExpectedSound>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });
