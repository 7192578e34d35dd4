// Checks the generated sound files at the byte level: WAV headers, MP3 frame
// headers and the gapless tag, and that the generator's output is repeatable.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sound_test_files.h"

using namespace sound_test;

namespace {

uint32_t littleEndian(const std::vector<unsigned char>& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + i];
    return value;
}

bool contains(const std::vector<unsigned char>& bytes, size_t from, size_t to, const std::string& text) {
    const auto end = bytes.begin() + std::min(to, bytes.size());
    return std::search(bytes.begin() + from, end, text.begin(), text.end()) != end;
}

}  // namespace

TEST(SoundFormats, EffectsArePcmStereo16BitAt44100) {
    for (const ExpectedSound& sound : expectedSounds()) {
        if (sound.name.ends_with(".mp3")) continue;
        const std::vector<unsigned char> bytes = readBytes(dataPath(sound.name));
        ASSERT_GE(bytes.size(), 44u) << sound.name;
        EXPECT_TRUE(contains(bytes, 0, 4, "RIFF") && contains(bytes, 8, 16, "WAVEfmt ")) << sound.name;
        EXPECT_EQ(littleEndian(bytes, 20, 2), 1u) << sound.name;       // PCM
        EXPECT_EQ(littleEndian(bytes, 22, 2), 2u) << sound.name;       // stereo
        EXPECT_EQ(littleEndian(bytes, 24, 4), 44100u) << sound.name;
        EXPECT_EQ(littleEndian(bytes, 34, 2), 16u) << sound.name;
        EXPECT_EQ(littleEndian(bytes, 40, 4), sound.frames * 4) << sound.name;
        EXPECT_EQ(bytes.size(), 44 + sound.frames * 4) << sound.name;
    }
}

TEST(SoundFormats, MusicIsStereoMp3At44100WithAGaplessTag) {
    for (const ExpectedSound& sound : expectedSounds()) {
        if (!sound.name.ends_with(".mp3")) continue;
        const std::vector<unsigned char> bytes = readBytes(dataPath(sound.name));
        ASSERT_GE(bytes.size(), 1000u) << sound.name;
        // The file opens on a frame: MPEG-1 layer III, 44.1 kHz, not mono.
        EXPECT_EQ(bytes[0], 0xFF) << sound.name;
        EXPECT_EQ(bytes[1] & 0xFE, 0xFA) << sound.name;
        EXPECT_EQ((bytes[2] >> 2) & 0x3, 0) << sound.name;
        EXPECT_NE(bytes[3] >> 6, 3) << sound.name;
        // Its first frame is the Info tag with LAME's delay and padding record.
        EXPECT_TRUE(contains(bytes, 0, 400, "Info")) << sound.name;
        EXPECT_TRUE(contains(bytes, 0, 400, "LAME")) << sound.name;
    }
}

TEST(SoundGenerator, WritesTheSameBytesOnEveryRun) {
    char folderTemplate[] = "/tmp/veltrane-synth-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const std::filesystem::path folder = folderTemplate;
    const std::string command = std::string(VELTRANE_BINARY_DIR) + "/tools/synth/synth " + folder.string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const ExpectedSound& sound : expectedSounds()) {
        const std::vector<unsigned char> fresh = readBytes((folder / sound.name).string());
        ASSERT_FALSE(fresh.empty()) << sound.name;
        EXPECT_TRUE(fresh == readBytes(dataPath(sound.name))) << sound.name << " differs between runs";
    }
    std::filesystem::remove_all(folder);
}
