#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sound.h"
#include "platform/recording_sound_backend.h"
#include "platform/sound_command.h"

namespace {

// Installs a recording back end for one test and restores the default after it.
class SoundCueTest : public ::testing::Test {
protected:
    void SetUp() override { setSoundBackend(&recorder); }
    void TearDown() override { setSoundBackend(nullptr); }

    RecordingSoundBackend recorder;
};

}  // namespace

TEST_F(SoundCueTest, OpenSoundsOpensTheEightFilesInOrderUnderTheirOwnNames) {
    openSounds();
    const std::vector<std::string> expected = {
        "open background0.mp3 type mpegvideo alias background0.mp3",
        "open gameover.mp3 type mpegvideo alias gameover.mp3",
        "open playerExplode.mp3 type mpegvideo alias playerExplode.mp3",
        "open title.mp3 type mpegvideo alias title.mp3",
        "open gamebeat.mp3 type mpegvideo alias gamebeat.mp3",
        "open smallExplode.wav type waveaudio alias smallExplode.wav",
        "open bigExplode.wav type waveaudio alias bigExplode.wav",
        "open siren.wav type waveaudio alias siren.wav",
    };
    EXPECT_EQ(recorder.entries(), expected);
}

TEST_F(SoundCueTest, NamedCuesSendTheirExactStrings) {
    stopTitleMusic();
    playBigExplode();
    playBigExplode();  // two capital ships in one step: both cues go out
    stopBattleMusic();
    playGameOverMusic();
    playSmallExplode();
    playLaserSound();
    const std::vector<std::string> expected = {
        "stop title.mp3",
        "play bigExplode.wav from 0",
        "play bigExplode.wav from 0",
        "stop background0.mp3",
        "play gameover.mp3 repeat from 0",
        "play smallExplode.wav from 0",
        "laser:laser.wav",
    };
    EXPECT_EQ(recorder.entries(), expected);
}

TEST_F(SoundCueTest, SendSoundCommandPassesTextThroughAndIgnoresNull) {
    sendSoundCommand("play background0.mp3 from 0 repeat");
    sendSoundCommand(nullptr);
    sendSoundCommand("play siren.wav from 0");
    const std::vector<std::string> expected = {
        "play background0.mp3 from 0 repeat",
        "play siren.wav from 0",
    };
    EXPECT_EQ(recorder.entries(), expected);
}

// Every command the cues send must be one the real back end can carry out.
TEST_F(SoundCueTest, EveryCueStringParses) {
    openSounds();
    stopTitleMusic();
    playBigExplode();
    stopBattleMusic();
    playGameOverMusic();
    playSmallExplode();
    for (const std::string& text : recorder.entries()) {
        const auto cmd = parseSoundCommand(text);
        ASSERT_TRUE(cmd) << text;
        if (cmd->verb == SoundVerb::Open) {
            EXPECT_EQ(cmd->file, cmd->alias) << text;
        } else if (cmd->verb == SoundVerb::Play) {
            EXPECT_TRUE(cmd->fromStart) << text;
        }
    }
    EXPECT_EQ(recorder.entries().size(), 13u);
}

TEST(SoundBackendHolder, DefaultIsSilentAndNullRestoresIt) {
    SoundBackend& silent = soundBackend();
    EXPECT_EQ(silent.command("play title.mp3 repeat from 0"), kSoundOk);
    silent.playLaser("laser.wav");

    RecordingSoundBackend recorder;
    setSoundBackend(&recorder);
    EXPECT_EQ(&soundBackend(), &recorder);
    playSmallExplode();
    setSoundBackend(nullptr);
    EXPECT_EQ(&soundBackend(), &silent);
    playSmallExplode();  // goes to the silent back end, not the recorder
    EXPECT_EQ(recorder.entries().size(), 1u);
}
