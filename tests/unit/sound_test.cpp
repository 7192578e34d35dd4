#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_sound_backend.h"
#include "platform/sound_command.h"
#include "state/sound_cues.h"

TEST(SoundCues, SendTheirExactStringsInOrderAndAllParse) {
    RecordingSoundBackend recorder;
    setSoundBackend(&recorder);
    openSounds();
    stopTitleMusic();
    playBigExplode();
    playBigExplode();  // two capital ships in one step: both cues go out
    sendSoundCommand("play background0.mp3 from 0 repeat");
    sendSoundCommand(nullptr);
    playLaserSound();
    setSoundBackend(nullptr);

    const std::vector<std::string> expected = {
        "open background0.mp3 type mpegvideo alias background0.mp3", "open gameover.mp3 type mpegvideo alias gameover.mp3",
        "open playerExplode.mp3 type mpegvideo alias playerExplode.mp3", "open title.mp3 type mpegvideo alias title.mp3",
        "open gamebeat.mp3 type mpegvideo alias gamebeat.mp3", "open smallExplode.wav type waveaudio alias smallExplode.wav",
        "open bigExplode.wav type waveaudio alias bigExplode.wav", "open siren.wav type waveaudio alias siren.wav",
        "stop title.mp3", "play bigExplode.wav from 0", "play bigExplode.wav from 0", "play background0.mp3 from 0 repeat",
        "laser:laser.wav",
    };
    EXPECT_EQ(recorder.entries(), expected);
    // Every command the cues send must be one the real back end can carry out.
    for (const std::string& text : recorder.entries())
        EXPECT_TRUE(text.starts_with("laser:") || parseSoundCommand(text)) << text;
}

