// The decoder on the seed files of its fuzz target: a third of a second of
// a mono tone at 22050 Hz, tagged, untagged, cut short and with lying tags.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/sound_decoder.h"

namespace {

constexpr PcmFormat kMonoTarget{22050, AUDIO_S16SYS, 1};
constexpr std::size_t kToneFrames = 7350;  // as encoded

std::vector<std::uint8_t> decodeSeed(const char* name) {
    const std::string file = std::string(VELTRANE_SOURCE_DIR) + "/fuzz/corpus/sound_decoder/" + name;
    const auto kind = sniffSoundFile(file);
    EXPECT_TRUE(kind) << file;
    SoundDecoder decoder(file, kind.value_or(SoundFileKind::Mpeg), kMonoTarget);
    while (!decoder.decodeSlice()) continue;
    return decoder.pcm();
}

}  // namespace

// A tag is a claim: one that lies short must not cut the track's tail.
TEST(SoundDecoder, ATagThatLiesShortKeepsTheWholeTrack) {
    const auto truth = decodeSeed("tagged.mp3");
    EXPECT_EQ(truth.size(), kToneFrames * 2);
    // libmpg123 trims the padding where the tag says the track ends, so the
    // samples differ a little after that point, but none is lost.
    const auto lied = decodeSeed("tag_lies_short.mp3");
    ASSERT_EQ(lied.size(), truth.size());
    EXPECT_TRUE(std::equal(lied.begin(), lied.begin() + 2 * 1590, truth.begin())) << "up to the claimed end";
    const auto* samples = reinterpret_cast<const std::int16_t*>(lied.data());
    const auto loud = std::count_if(samples + kToneFrames / 2, samples + kToneFrames - 600,
                                    [](std::int16_t s) { return std::abs(s) > 1000; });
    EXPECT_GT(loud, static_cast<std::ptrdiff_t>(kToneFrames / 4)) << "the tone goes on to the end";
}

// A tag claiming hours reserves no more than the bound (no exception, no
// terabytes), and the sound it holds is all there.
TEST(SoundDecoder, AnAbsurdTagNeitherThrowsNorLosesTheSound) {
    std::vector<std::uint8_t> pcm;
    EXPECT_NO_THROW(pcm = decodeSeed("tag_lies_long.mp3"));
    EXPECT_GE(pcm.size(), kToneFrames * 2);
    EXPECT_LT(pcm.size(), kToneFrames * 4);
}

TEST(SoundDecoder, UntaggedCutShortAndWaveFilesDecodeWhatTheyHold) {
    EXPECT_GE(decodeSeed("untagged.mp3").size(), kToneFrames * 2);
    const std::size_t cut = decodeSeed("truncated.mp3").size();
    EXPECT_TRUE(cut > 0 && cut < kToneFrames * 2) << cut;
    // A tenth of a second at 8 kHz, converted to 22050 Hz.
    EXPECT_NEAR(static_cast<double>(decodeSeed("tone.wav").size()), 2205.0 * 2, 64.0);
}
