#include <gtest/gtest.h>

#include "platform/sound_command.h"

TEST(SoundCommand, WellFormedTextTakesItsParts) {
    struct Case { const char *text; SoundVerb verb; const char *file, *alias; bool fromStart, repeat; };
    const Case cases[] = {
        {"open sfx/siren.wav type waveaudio alias siren", SoundVerb::Open, "sfx/siren.wav", "siren", false, false},
        // Keywords ignore case and order; names keep their case.
        {"Open A.wav ALIAS B.wav TYPE WaveAudio", SoundVerb::Open, "A.wav", "B.wav", false, false},
        {"stop background0.mp3", SoundVerb::Stop, "", "background0.mp3", false, false},
        {"play smallExplode.wav from 0", SoundVerb::Play, "", "smallExplode.wav", true, false},
        {"play title.mp3", SoundVerb::Play, "", "title.mp3", false, false},
        {"play gameover.mp3 repeat from 0", SoundVerb::Play, "", "gameover.mp3", true, true},
        {"play gameover.mp3 from 0 repeat", SoundVerb::Play, "", "gameover.mp3", true, true},
        {"  PLAY  Title.MP3\tFrom 0   Repeat ", SoundVerb::Play, "", "Title.MP3", true, true},
    };
    for (const Case& c : cases) {
        const auto cmd = parseSoundCommand(c.text);
        ASSERT_TRUE(cmd) << c.text;
        EXPECT_EQ(cmd->verb, c.verb) << c.text;
        EXPECT_EQ(cmd->file, c.file) << c.text;
        EXPECT_EQ(cmd->alias, c.alias) << c.text;
        EXPECT_EQ(cmd->fromStart, c.fromStart) << c.text;
        EXPECT_EQ(cmd->repeat, c.repeat) << c.text;
    }
}

TEST(SoundCommand, MalformedTextIsRejected) {
    const char* const malformed[] = {
        "", "   ", "pause title.mp3", "open", "open a.mp3", "open a.mp3 type mpegvideo",
        "open a.mp3 type mpegvideo alias", "open a.mp3 type sequencer alias a", "open a.mp3 alias a alias b",
        "open a.mp3 type mpegvideo alias a wait", "play", "play title.mp3 from", "play title.mp3 from 500",
        "play title.mp3 from 0 from 0", "play title.mp3 repeat repeat", "play title.mp3 loop", "stop",
        "stop title.mp3 now", "from 0 play title.mp3",
    };
    for (const char* text : malformed) {
        EXPECT_FALSE(parseSoundCommand(text)) << '"' << text << '"';
    }
}
