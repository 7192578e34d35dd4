#include <gtest/gtest.h>

#include "platform/sound_command.h"

TEST(SoundCommand, OpenPlayAndStopTakeTheirParts) {
    const auto open = parseSoundCommand("open sfx/siren.wav type waveaudio alias siren");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, SoundVerb::Open);
    EXPECT_EQ(open->file, "sfx/siren.wav");
    EXPECT_EQ(open->alias, "siren");

    const auto stop = parseSoundCommand("stop background0.mp3");
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->verb, SoundVerb::Stop);
    EXPECT_EQ(stop->alias, "background0.mp3");

    const auto once = parseSoundCommand("play smallExplode.wav from 0");
    ASSERT_TRUE(once);
    EXPECT_EQ(once->verb, SoundVerb::Play);
    EXPECT_TRUE(once->fromStart);
    EXPECT_FALSE(once->repeat);

    const auto bare = parseSoundCommand("play title.mp3");
    ASSERT_TRUE(bare);
    EXPECT_FALSE(bare->fromStart);
    EXPECT_FALSE(bare->repeat);
}

TEST(SoundCommand, BothWordOrdersOfRepeatFromZeroMeanTheSame) {
    for (const char* text : {"play gameover.mp3 repeat from 0", "play gameover.mp3 from 0 repeat"}) {
        const auto cmd = parseSoundCommand(text);
        ASSERT_TRUE(cmd) << text;
        EXPECT_EQ(cmd->verb, SoundVerb::Play);
        EXPECT_EQ(cmd->alias, "gameover.mp3");
        EXPECT_TRUE(cmd->fromStart);
        EXPECT_TRUE(cmd->repeat);
    }
}

TEST(SoundCommand, KeywordsIgnoreCaseAndExtraSpaceButNamesKeepTheirCase) {
    const auto cmd = parseSoundCommand("  PLAY  Title.MP3\tFrom 0   Repeat ");
    ASSERT_TRUE(cmd);
    EXPECT_EQ(cmd->alias, "Title.MP3");
    EXPECT_TRUE(cmd->fromStart);
    EXPECT_TRUE(cmd->repeat);

    const auto open = parseSoundCommand("Open A.wav ALIAS B.wav TYPE WaveAudio");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->file, "A.wav");
    EXPECT_EQ(open->alias, "B.wav");
}

TEST(SoundCommand, MalformedTextIsRejected) {
    const char* const malformed[] = {
        "",
        "   ",
        "pause title.mp3",                                    // verb we do not support
        "open",                                               // nothing to open
        "open a.mp3",                                         // no alias
        "open a.mp3 type mpegvideo",                          // still no alias
        "open a.mp3 type mpegvideo alias",                    // alias without a name
        "open a.mp3 type sequencer alias a",                  // unknown media type
        "open a.mp3 alias a alias b",                         // alias twice
        "open a.mp3 type mpegvideo alias a wait",             // stray word
        "play",                                               // no alias
        "play title.mp3 from",                                // from without position
        "play title.mp3 from 500",                            // only the start is supported
        "play title.mp3 from 0 from 0",                       // clause twice
        "play title.mp3 repeat repeat",
        "play title.mp3 loop",                                // unknown clause
        "stop",                                               // no alias
        "stop title.mp3 now",                                 // stray word
        "from 0 play title.mp3",
    };
    for (const char* text : malformed) {
        EXPECT_FALSE(parseSoundCommand(text)) << '"' << text << '"';
    }
}
