#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/recording_sound_backend.h"
#include "platform/sound_command.h"
#include "state/sound_cues.h"

// Every command the cues send is one the real back end carries out, on an
// alias opened before; a cue repeated within one step (two capital ships
// blowing up) goes out each time.
TEST(SoundCues, ParseAndUseOnlyOpenedAliases) {
    RecordingSoundBackend recorder;
    setSoundBackend(&recorder);
    openSounds();
    stopTitleMusic();
    playBigExplode();
    playBigExplode();
    playSmallExplode();
    stopBattleMusic();
    playGameOverMusic();
    sendSoundCommand(nullptr);
    setSoundBackend(nullptr);

    std::set<std::string> opened;
    for (const std::string& text : recorder.entries()) {
        const auto cmd = parseSoundCommand(text);
        ASSERT_TRUE(cmd) << text;
        if (cmd->verb == SoundVerb::Open)
            opened.insert(cmd->alias);
        else
            EXPECT_EQ(opened.count(cmd->alias), 1u) << text << " before its open";
    }
    EXPECT_EQ(std::count(recorder.entries().begin(), recorder.entries().end(), "play bigExplode.wav from 0"), 2) << "both explosions sound";
}
