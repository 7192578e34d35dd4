// Every generated sound opens, decodes and plays through the game's own
// SDL2_mixer back end, with the same commands the game sends.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "platform/mixer_sound_backend.h"
#include "sound_test_files.h"

using namespace sound_test;

TEST(SoundBackendLoad, EveryGeneratedFileOpensAndPlays) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    MixerSoundBackend backend;
    ASSERT_TRUE(backend.open());
    for (const ExpectedSound& sound : expectedSounds()) {
        const std::string type = sound.name.ends_with(".mp3") ? "mpegvideo" : "waveaudio";
        EXPECT_EQ(backend.command("open " + dataPath(sound.name) + " type " + type + " alias " + sound.name), kSoundOk) << sound.name;
    }
    // Decoding happens in the background; a file that fails shows up as a play that reports it.
    backend.waitForLoads();
    for (const ExpectedSound& sound : expectedSounds()) {
        EXPECT_EQ(backend.command("play " + sound.name + (sound.looped ? " repeat from 0" : " from 0")), kSoundOk) << sound.name;
        EXPECT_TRUE(Mix_Playing(backend.aliasChannel(sound.name))) << sound.name;
        EXPECT_EQ(backend.command("stop " + sound.name), kSoundOk) << sound.name;
        EXPECT_FALSE(Mix_Playing(backend.aliasChannel(sound.name))) << sound.name;
    }
    backend.close();
}
