// Decodes every generated sound through the game's own decoder and checks
// its length, level, clipping, how the effects start and end, and for the
// looped music, the seam.
#include <SDL.h>

#include <gtest/gtest.h>

#include <cstring>

#include "platform/sound_decoder.h"
#include "data_files.h"

namespace {
double toDb(double level) { return 20.0 * std::log10(std::max(level, 1e-12) / 32768.0); }

// RMS of interleaved stereo samples over the frames [from, to), and the largest magnitude of all.
double rmsOf(const std::vector<int16_t>& samples, size_t from, size_t to) {
    to = std::min(to, samples.size() / 2);
    double sum = 0.0;
    for (size_t i = 2 * from; i < 2 * to; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / std::max<size_t>(1, 2 * (to - from)));
}
int peakOf(const std::vector<int16_t>& samples) { return std::abs(int(*std::max_element(samples.begin(), samples.end(), [](int a, int b) { return std::abs(a) < std::abs(b); }))); }
}  // namespace

TEST(SoundFiles, DecodeToTheirLengthAudibleUnclippedShapedAndLoopWithoutAJump) {
    for (const ExpectedSound& sound : expectedSounds()) {
        SCOPED_TRACE(sound.name);
        const std::optional<SoundFileKind> kind = sniffSoundFile(dataPath(sound.name));
        ASSERT_TRUE(kind);
        SoundDecoder decoder(dataPath(sound.name), *kind, PcmFormat{kRate, AUDIO_S16SYS, 2});
        while (!decoder.decodeSlice()) continue;
        std::vector<int16_t> s(decoder.pcm().size() / sizeof(int16_t));
        std::memcpy(s.data(), decoder.pcm().data(), s.size() * sizeof(int16_t));
        const size_t frames = s.size() / 2;
        // The MP3s carry the encoder delay and padding in their LAME tag, which the
        // decoder trims; a frame-exact length is what makes a loop gapless.
        ASSERT_EQ(frames, sound.frames);
        // Under the ceiling, and every file within a 10 dB band so effects and music balance.
        EXPECT_LE(toDb(peakOf(s)), -1.0);
        EXPECT_GE(toDb(rmsOf(s, 0, frames)), -24.0);
        EXPECT_LE(toDb(rmsOf(s, 0, frames)), -14.0);
        // The effects start at once; the laser stays distinct when fired sixteen times a
        // second (15 dB down by the next shot), and the others end in silence.
        if (sound.name.ends_with(".wav")) {
            EXPECT_GT(rmsOf(s, 0, secondFrames(0.005)), 0.05 * peakOf(s));
            if (sound.name == "laser.wav") {
                EXPECT_GT(20.0 * std::log10(rmsOf(s, 0, secondFrames(0.02)) / rmsOf(s, secondFrames(1.0 / 16), secondFrames(1.0 / 16 + 0.02))), 15.0);
            } else {
                EXPECT_EQ(s[s.size() - 1] | s[s.size() - 2], 0) << "ends on silence";
            }
        }
        if (!sound.looped) continue;

        // The step from the last frame back to the first must be no larger than the largest
        // step the music itself takes just before and after the seam, and neither side is silent.
        constexpr size_t kNear = 2048;
        for (int channel = 0; channel < 2; ++channel) {
            int largestStep = 0;
            for (size_t i = 1; i < kNear; ++i)
                largestStep = std::max({largestStep, std::abs(s[2 * i + channel] - s[2 * (i - 1) + channel]),
                                        std::abs(s[2 * (frames - i) + channel] - s[2 * (frames - i - 1) + channel])});
            EXPECT_LE(std::abs(s[channel] - s[2 * (frames - 1) + channel]), largestStep) << "channel " << channel;
        }
        EXPECT_GT(toDb(rmsOf(s, 0, kNear)), -40.0);
        EXPECT_GT(toDb(rmsOf(s, frames - kNear, frames)), -40.0);
    }
}
