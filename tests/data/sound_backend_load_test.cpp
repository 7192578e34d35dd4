// Every generated sound opens and plays through the game's own SDL2_mixer
// back end, with the same commands the game sends.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/mixer_sound_backend.h"
#include "sound_test_files.h"

using namespace sound_test;

TEST(SoundBackendLoad, EveryGeneratedFileOpensAndPlays) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    MixerSoundBackend backend;
    ASSERT_TRUE(backend.open());
    for (const ExpectedSound& sound : expectedSounds()) {
        const std::string type = sound.name.ends_with(".mp3") ? "mpegvideo" : "waveaudio";
        EXPECT_EQ(backend.command("open " + dataPath(sound.name) + " type " + type + " alias " + sound.name), kSoundOk)
            << sound.name;
        const std::string play = sound.looped ? "play " + sound.name + " repeat from 0" : "play " + sound.name + " from 0";
        EXPECT_EQ(backend.command(play), kSoundOk) << sound.name;
        EXPECT_EQ(backend.command("stop " + sound.name), kSoundOk) << sound.name;
    }
    backend.close();
}
